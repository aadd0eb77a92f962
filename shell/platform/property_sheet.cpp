#include "shell/platform/property_sheet.h"

#include "shell/platform/control.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/theme.h"

namespace orrery::platform {

PropertySheet::PropertySheet(std::u16string title, std::vector<PropertyPage> pages, int startPage)
    : Window(0, kWorkArea), startPage_(startPage) {
  for (PropertyPage& p : pages) pages_.push_back({std::move(p)});
  SetStyle(kStyleTitled | kStyleOkButton);
  SetText(title);
  SetBackground(theme::kBackground);
}

const std::u16string& PropertySheet::PageTitle(int index) const {
  static const std::u16string kNone;
  return index >= 0 && index < PageCount() ? pages_[index].page.title : kNone;
}

Dialog* PropertySheet::Page(int index) const {
  return index >= 0 && index < PageCount() ? pages_[index].dialog : nullptr;
}

Rect PropertySheet::PageArea() const { return {0, 0, Frame().Width(), Frame().Height() - kTabHeight}; }

Rect PropertySheet::TabRect(int index) const {
  if (index < 0 || index >= PageCount()) return {};
  const Font font = theme::ControlFont();
  int x = 2;
  for (int i = 0; i < index; ++i) x += font.Extent(pages_[i].page.title).width + 12;
  const int top = PageArea().bottom;
  return {x, top, x + font.Extent(pages_[index].page.title).width + 12, top + kTabHeight - 2};
}

int PropertySheet::Notify(int index, int code) {
  Dialog* page = Page(index);
  return page ? page->Send(Message::Notify(this, 0, code, index)) : 0;
}

bool PropertySheet::SetActivePage(int index) {
  if (index < 0 || index >= PageCount()) return false;
  if (index == active_) return true;
  if (active_ >= 0 && Notify(active_, kPageKillActive) != 0) return false;
  Entry& e = pages_[index];
  if (!e.dialog) {
    std::unique_ptr<Dialog> made = e.page.create ? e.page.create() : nullptr;
    if (!made) made = std::make_unique<Dialog>(DialogTemplate{});
    made->Move(PageArea());
    made->Show(false);
    e.dialog = made.get();
    AddChild(std::move(made));
  }
  if (active_ >= 0 && pages_[active_].dialog) pages_[active_].dialog->Show(false);
  active_ = index;
  Notify(index, kPageSetActive);
  e.dialog->Show(true);
  if (Desktop* d = GetDesktop()) {
    bool inside = false;
    for (Window* w = d->Focus(); w; w = w->Parent()) inside = inside || w == e.dialog;
    if (!inside) e.dialog->MoveFocus(true);
  }
  Invalidate();
  return true;
}

void PropertySheet::Accept() {
  if (active_ >= 0 && Notify(active_, kPageKillActive) != 0) return;
  for (int i = 0; i < PageCount(); ++i) {
    if (Page(i) && Notify(i, kPageApply) != 0) return;
  }
  if (GetDesktop()) GetDesktop()->EndModal(*this, 1);
}

void PropertySheet::Cancel() {
  for (int i = 0; i < PageCount(); ++i) Notify(i, kPageReset);
  if (GetDesktop()) GetDesktop()->EndModal(*this, 0);
}

void PropertySheet::Paint(DrawContext& dc) {
  const int top = PageArea().bottom;
  dc.FillRect({0, top, Frame().Width(), Frame().Height()}, theme::kFace);
  dc.FillRect({0, top, Frame().Width(), top + 1}, theme::kFrame);
  dc.SelectFont(theme::ControlFont());
  dc.SetBackMode(BackMode::Transparent);
  dc.SetTextColour(theme::kText);
  for (int i = 0; i < PageCount(); ++i) {
    const Rect r = TabRect(i);
    const bool active = i == active_;
    dc.SelectPen({theme::kFrame});
    dc.SelectBrush({active ? theme::kBackground : theme::kFace});
    dc.Rectangle({r.left, r.top - 1, r.right, r.bottom});
    if (active) dc.FillRect({r.left + 1, r.top, r.right - 1, r.top + 1}, theme::kBackground);
    dc.DrawText(pages_[i].page.title, r, kAlignCentre | kAlignMiddle);
  }
}

int PropertySheet::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Create:
      SetActivePage(std::clamp(startPage_, 0, std::max(0, PageCount() - 1)));
      return 0;
    case MsgType::Paint:
      Paint(*m.dc);
      return 0;
    case MsgType::TapDown:
      for (int i = 0; i < PageCount(); ++i) {
        if (TabRect(i).Contains(m.pos)) SetActivePage(i);
      }
      return 0;
    case MsgType::Command:
      if (m.id == kIdOk) Accept();
      if (m.id == kIdCancel) Cancel();
      return 1;
    case MsgType::Key:
      if (m.value == 0 && (m.code == kKeyEnter || m.code == kKeyEscape)) {
        m.code == kKeyEnter ? Accept() : Cancel();
        return 1;
      }
      return Window::OnMessage(m);
    default:
      return Window::OnMessage(m);
  }
}

int RunPropertySheet(Window& owner, std::u16string title, std::vector<PropertyPage> pages, int startPage) {
  Desktop& desktop = *owner.GetDesktop();
  PropertySheet& sheet = desktop.Add<PropertySheet>(std::move(title), std::move(pages), startPage);
  sheet.SetOwner(&owner);
  const int code = desktop.RunModal(sheet);
  sheet.Destroy();
  return code;
}

}  // namespace orrery::platform
