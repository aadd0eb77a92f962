#include "dialogs/about_screen.h"

#include "dialogs/dialog_run.h"
#include "shell/draw_helpers.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/platform/desktop.h"
#include "shell/platform/dialog.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/font.h"

namespace orrery {

namespace {

using platform::Colour;
using platform::DrawContext;
using platform::Font;
using platform::Rgb;

constexpr Colour AboutGrey = Rgb(120, 120, 120);

// Where to find the program's makers, and the atlas data's sources and
// licences (data/atlas/NOTICE), in two lines beside the maker's icon.
constexpr const char16_t* WebAddress = u"www.example.org/orrery";
constexpr const char16_t* SupportAddress = u"orrery@example.org";
constexpr const char16_t* NoticeLines[2] = {u"Atlas data: GeoNames (CC BY 4.0),",
                                            u"world-countries (ODbL), IANA tz."};

void RegisterAboutTemplate() {
  static const bool registered = [] {
    platform::DialogTemplate t;
    t.title = u"About...";
    t.style = platform::kDialogFullScreen | platform::kDialogOkButton;
    platform::AddDialog(AboutTemplate, std::move(t));
    return true;
  }();
  (void)registered;
}

void UseFont(DrawContext& dc, int points, Colour colour) {
  dc.SelectFont(Font::FromPoints(platform::Typeface::Tahoma, points));
  dc.SetTextColour(colour);
}

void PaintAbout(DrawContext& dc, int width, int height) {
  dc.SetBackMode(platform::BackMode::Transparent);
  DrawIcon(dc, glyphs::kAboutIcon.id, 25, 18);
  UseFont(dc, 10, Rgb(204, 102, 204));
  DrawTextLeft(dc, u"quorvel", 62, -1, 20);
  UseFont(dc, 14, Rgb(110, 110, 255));
  DrawTextLeft(dc, u"A S T R O L O G Y", 65, -1, 40);
  DrawPatternLine(dc, 60, 42, width - 15, 42, AboutGrey, PatternDotted);
  UseFont(dc, 8, AboutGrey);
  DrawTextRight(dc, u"Version 1.00", width - 15, 55);

  UseFont(dc, 10, platform::kBlack);
  DrawTextLeft(dc, u"Visit our Homepage at", 20, -1, 85);
  DrawTextLeft(dc, WebAddress, 30, -1, 105);
  DrawTextLeft(dc, u"For support, please contact us at", 20, -1, 130);
  DrawTextLeft(dc, SupportAddress, 30, -1, 150);
  DrawTextLeft(dc, u"Questions, comments, suggestions,", 20, -1, 175);
  DrawTextLeft(dc, u"and bug reports are welcome at", 20, -1, 190);
  DrawTextLeft(dc, u"that address.", 20, -1, 205);

  UseFont(dc, 8, platform::kBlack);
  DrawIcon(dc, glyphs::kMakerIcon.id, 195, height - 49);
  DrawPatternLine(dc, 25, height - 10, 195, height - 10, AboutGrey, PatternDotted);
  DrawTextLeft(dc, NoticeLines[0], 35, -1, height - 30);
  DrawTextLeft(dc, NoticeLines[1], 35, -1, height - 14);
}

class AboutDialog : public platform::Dialog {
 public:
  AboutDialog() : Dialog(AboutTemplate) {}

  int OnMessage(const platform::Message& m) override {
    switch (m.type) {
      case platform::MsgType::InitDialog:
        GetDesktop()->SetInputPanel(false);
        AddEmptyMenuBar(*this);
        Focus();
        return 0;
      case platform::MsgType::Paint:
        PaintAbout(*m.dc, Frame().Width(), Frame().Height());
        return 0;
      default:
        return Dialog::OnMessage(m);
    }
  }
};

}  // namespace

void ShowAbout(platform::Window& owner) {
  RegisterAboutTemplate();
  RunLoggedDialog<AboutDialog>(AboutTemplate, owner);
}

}  // namespace orrery
