#include "shell/wheel/body_popup.h"

#include <algorithm>
#include <string>

#include "astro/body_table.h"
#include "chart/factors.h"
#include "chart/object_info.h"
#include "foundation/localized_strings.h"
#include "shell/draw_helpers.h"
#include "shell/platform/desktop.h"
#include "shell/platform/draw_context.h"
#include "shell/program_events.h"
#include "shell/shell_drawing.h"
#include "shell/shell_state.h"
#include "shell/text_format.h"
#include "shell/text_views.h"
#include "shell/wheel/wheel_hit_test.h"
#include "shell/wheel_view.h"

namespace orrery {

namespace {

using platform::DrawContext;
using platform::Message;
using platform::MsgType;
using platform::Rect;

BodyPopup* popup = nullptr;

// The pop-up keeps this distance from the glyph's side.
constexpr int GlyphGap = 2;

// The template's 42 x 32 dialog units, but never smaller than the content:
// the house row ends at y 52 and the longest name ("Himmelsmitte") needs
// about 70 pixels.
constexpr platform::Size ContentSize{76, 56};

platform::DialogTemplate PopupTemplate() {
  platform::DialogTemplate t;
  const Rect units = platform::DialogUnitsToPixels({0, 0, 42, 32});
  t.frame = Rect::At(0, 0, std::max(units.Width(), ContentSize.width),
                     std::max(units.Height(), ContentSize.height));
  return t;
}

}  // namespace

BodyPopup::BodyPopup() : Dialog(PopupTemplate()) {
  // Not titled: the navigation bar keeps the view's title.
  SetStyle(0);
}

BodyPopup* TheBodyPopup() { return popup; }

void CreateBodyPopup(platform::Window& owner) {
  if (popup) popup->Destroy();
  platform::Desktop* desktop = owner.GetDesktop();
  if (!desktop) return;
  popup = &desktop->Add<BodyPopup>();
  popup->SetOwner(&owner);
  popup->Hide();
}

void HideBodyPopup() {
  if (popup) popup->Hide();
}

void BodyPopup::ShowFor(int body) {
  if (body < 0 || body >= BodyCount) return;
  if (!shown_) LogEvent("open " + std::to_string(BodyPopupTemplate));
  body_ = body;
  Show(true);
  if (HasFocus()) {
    shown_ = true;
    MoveBesideBody();
  } else {
    Focus();  // SetFocus marks it shown and moves it
  }
  Invalidate(true);
  if (platform::Desktop* desktop = GetDesktop()) desktop->SetInputPanel(false);
}

void BodyPopup::Hide() {
  if (shown_) LogEvent("close " + std::to_string(BodyPopupTemplate) + " 0");
  Show(false);
  shown_ = false;
}

void BodyPopup::MoveBesideBody() {
  const Rect glyph = GlyphWindowBox(body_);
  const platform::Point centre = shellDrawing.wheelCentre;
  const int width = Frame().Width();
  const int height = Frame().Height();
  const bool left = glyph.left + glyph.Width() / 2 < centre.x;
  const bool above = glyph.top + glyph.Height() / 2 < centre.y;
  platform::Point corner{left ? glyph.right : glyph.left - width - GlyphGap,
                         above ? glyph.bottom + GlyphGap : glyph.top - height - GlyphGap};
  if (platform::Window* owner = Owner()) corner = owner->ToScreen(corner);
  Move(Rect::At(corner.x, corner.y, width, height));
}

void BodyPopup::Paint(DrawContext& dc) {
  const int width = Frame().Width();
  const platform::Colour grey = shellDrawing.shellGrey;
  dc.SetBackMode(platform::BackMode::Transparent);
  dc.SelectFont(shellDrawing.font9);
  dc.SetTextColour(platform::kBlack);
  DrawTextLeft(dc, LocalizedString(objectInfo[body_].nameStringId), 5, -1, 16);
  DrawPatternLine(dc, 5, 18, width - 10, 18, grey, PatternDotted);
  const double longitude = BodyTable[body_].geocentric.x;
  const unsigned fields = AngleDegrees | AngleMinutes | AngleDegreeSign | AngleMinuteSign;
  if (shellState.angleMode == 1) {
    DrawAngle(dc, fields | AngleRight, longitude, 60, 34);
  } else {
    DrawAngle(dc, fields | AngleZodiac, longitude, 45, 34);
  }
  DrawPatternLine(dc, 5, 36, width - 10, 36, grey, PatternDotted);
  DrawPatternLine(dc, 15, 36, 15, 52, grey, PatternDotted);
  DrawPatternLine(dc, 43, 36, 43, 52, grey, PatternDotted);
  if (BodyTable[body_].retrograde) DrawTextLeft(dc, u"R", 5, -1, 52);
  DrawTextLeft(dc, FormatText("%2d", HouseNumber(body_)), 18, -1, 52);
  DrawTextLeft(dc, std::u16string(1, char16_t(HouseSystemInUse().code)), 34, -1, 52);
  // A frame sets the pop-up off from the wheel under it.
  dc.SelectPen(platform::Pen{platform::kBlack});
  dc.SelectBrush(platform::Brush::Null());
  dc.Rectangle(ClientRect());
}

int BodyPopup::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Paint:
      Paint(*m.dc);
      return 0;
    case MsgType::SetFocus:
      // Focus given back to it while hidden (after a dialog) shows nothing.
      if (!Visible()) return 0;
      shown_ = true;
      MoveBesideBody();
      return 0;
    case MsgType::TapDown:
      Hide();
      return 0;
    case MsgType::Command:
      if (m.id == platform::kIdOk || m.id == platform::kIdCancel) {
        Hide();
        return 1;
      }
      return 0;
    case MsgType::Destroy:
      if (popup == this) popup = nullptr;
      return Dialog::OnMessage(m);
    default:
      return Dialog::OnMessage(m);
  }
}

}  // namespace orrery
