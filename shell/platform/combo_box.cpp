#include "shell/platform/combo_box.h"

#include <algorithm>

#include "shell/platform/combo_popup.h"
#include "shell/platform/control.h"
#include "shell/platform/desktop.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/list_view.h"
#include "shell/platform/theme.h"

namespace orrery::platform {

namespace {

constexpr int kArrowWidth = 13;

}  // namespace

ComboBox::ComboBox(int id, const Rect& frame) : Window(id, frame) {
  SetStyle(kStyleTabStop);
  SetBackground(theme::kBackground);
}

int ComboBox::AddItem(std::u16string text, intptr_t data) {
  items_.push_back({std::move(text), data});
  return int(items_.size()) - 1;
}

void ComboBox::Clear() {
  Close();
  items_.clear();
  selected_ = -1;
  Invalidate();
}

const std::u16string& ComboBox::ItemText(int index) const {
  static const std::u16string kEmpty;
  return index >= 0 && index < Count() ? items_[index].text : kEmpty;
}

intptr_t ComboBox::ItemData(int index) const { return index >= 0 && index < Count() ? items_[index].data : -1; }

void ComboBox::SetSelection(int index) {
  if (index < -1 || index >= Count()) return;
  selected_ = index;
  Invalidate();
}

void ComboBox::Choose(int index) {
  Close();
  if (index < 0 || index >= Count()) return;
  SetSelection(index);
  CommandToParent(*this, kComboSelChanged);
}

void ComboBox::Open() {
  if (popup_ || Count() == 0 || !GetDesktop()) return;
  const Rect box = ScreenRect();
  const int rows = std::min(Count(), kMaxDropRows);
  const int height = rows * ListView::kRowHeight + 2;
  int top = box.bottom;
  if (top + height > kScreenHeight) top = box.top - height;
  popup_ = &GetDesktop()->Add<ComboPopup>(*this, Rect{box.left, std::max(0, top), box.right, std::max(0, top) + height});
}

void ComboBox::Close() {
  if (!popup_) return;
  ComboPopup* p = std::exchange(popup_, nullptr);
  if (GetDesktop() && GetDesktop()->TapGrab() == p) GetDesktop()->SetTapGrab(nullptr);
  p->Destroy();
}

void ComboBox::Paint(DrawContext& dc) {
  const Rect r = ClientRect();
  const bool enabled = IsEnabled();
  dc.SelectPen({enabled ? theme::kFrame : theme::kGreyText});
  dc.SelectBrush({theme::kBackground});
  dc.Rectangle(r);
  const Rect arrow{r.right - kArrowWidth, r.top, r.right, r.bottom};
  dc.SelectBrush({theme::kFace});
  dc.Rectangle(arrow);
  const int cx = arrow.left + arrow.Width() / 2, cy = r.Height() / 2;
  for (int k = 0; k < 4; ++k) dc.FillRect({cx - 3 + k, cy - 1 + k, cx + 4 - k, cy + k}, theme::kText);
  const Rect text{2, 1, arrow.left - 1, r.bottom - 1};
  if (HasFocus()) dc.FillRect(text, theme::kHighlight);
  dc.SelectFont(theme::ControlFont());
  dc.SetBackMode(BackMode::Transparent);
  dc.SetTextColour(!enabled ? theme::kGreyText : HasFocus() ? theme::kHighlightText : theme::kText);
  dc.DrawText(ItemText(selected_), text.Offset(2, 0), kAlignLeft | kAlignMiddle);
}

int ComboBox::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Paint:
      Paint(*m.dc);
      return 0;
    case MsgType::TapDown:
      Focus();
      if (IsOpen()) {
        Close();
      } else {
        Open();
      }
      return 0;
    case MsgType::SetFocus:
    case MsgType::KillFocus:
      Invalidate();
      return 0;
    case MsgType::Key:
      if (m.value == 0 && (m.code == kKeyUp || m.code == kKeyDown) && Count() > 0) {
        const int next = std::clamp(selected_ + (m.code == kKeyUp ? -1 : 1), 0, Count() - 1);
        if (next != selected_) {
          SetSelection(next);
          CommandToParent(*this, kComboSelChanged);
        }
        return 1;
      }
      return Window::OnMessage(m);
    case MsgType::Destroy:
      Close();
      return 0;
    default:
      return Window::OnMessage(m);
  }
}

}  // namespace orrery::platform
