#include "shell/wheel/view_bodies_dialog.h"

#include <string>

#include "astro/body_table.h"
#include "shell/main_window.h"
#include "shell/platform/button.h"
#include "shell/platform/draw_context.h"
#include "shell/program_events.h"
#include "shell/shell_drawing.h"
#include "shell/shell_state.h"
#include "shell/wheel_view.h"

namespace orrery {

namespace {

using platform::ControlKind;
using platform::Message;
using platform::MsgType;
using platform::Rect;

struct BodyBox {
  int id;
  const char16_t* text;
  int body;         // the body whose drawnInWheel the box shows and sets
  int alsoBody;     // a second body it sets, or -1
};

// In the dialog's two columns, top to bottom. The mean nodes are never
// drawn, so the nodes' box sets the true nodes.
constexpr BodyBox BodyBoxes[] = {
    {1076, u"Moon", Moon, -1},         {1068, u"Mercury", Mercury, -1},
    {1069, u"Venus", Venus, -1},       {1070, u"Mars", Mars, -1},
    {1071, u"Jupiter", Jupiter, -1},   {1072, u"Saturn", Saturn, -1},
    {1073, u"Uranus", Uranus, -1},     {1074, u"Neptune", Neptune, -1},
    {1075, u"Pluto", Pluto, -1},       {1077, u"Moon Nodes", NorthNode, SouthNode},
};

constexpr int DialogWidth = 150;
constexpr int DialogHeight = 106;
constexpr int RightGap = 10;
constexpr int BottomGap = 6;
constexpr int LeftX = 6;

platform::DialogTemplate BodiesTemplate() {
  platform::DialogTemplate t;
  t.title = u"View...";
  t.frame = Rect::At(0, 0, DialogWidth, DialogHeight);
  t.style = platform::kDialogOkButton;
  const int rows = 5;
  for (int i = 0; i < int(std::size(BodyBoxes)); ++i) {
    const int column = i / rows;
    const int row = i % rows;
    t.controls.push_back({ControlKind::CheckBox, BodyBoxes[i].id, BodyBoxes[i].text,
                          Rect::At(6 + column * 64, 6 + row * 15, column ? 78 : 60, 14)});
  }
  t.controls.push_back({ControlKind::Button, MoveLeftButton, u"\u00ab\u00ab", Rect::At(6, 84, 26, 16)});
  t.controls.push_back({ControlKind::Button, MoveRightButton, u"\u00bb\u00bb",
                        Rect::At(DialogWidth - 32, 84, 26, 16)});
  return t;
}

}  // namespace

ViewBodiesDialog::ViewBodiesDialog(platform::Window& view) : Dialog(BodiesTemplate()), view_(view) {
  MoveTo(true);
}

void ViewBodiesDialog::Fill() {
  for (const BodyBox& box : BodyBoxes) {
    if (auto* button = dynamic_cast<platform::Button*>(Child(box.id))) {
      button->SetChecked(BodyTable[box.body].drawnInWheel != 0);
    }
  }
}

void ViewBodiesDialog::Apply() {
  for (const BodyBox& box : BodyBoxes) {
    auto* button = dynamic_cast<platform::Button*>(Child(box.id));
    if (!button) continue;
    BodyTable[box.body].drawnInWheel = button->Checked();
    if (box.alsoBody >= 0) BodyTable[box.alsoBody].drawnInWheel = button->Checked();
  }
  BodyTable[MeanNorthNode].drawnInWheel = 0;
  BodyTable[MeanSouthNode].drawnInWheel = 0;
  for (BodyPosition& b : BodyTable) b.shown = b.drawnInWheel;
  for (int body : {Ascendant, Midheaven}) {
    BodyTable[body].placedByLayout = 0;
    BodyTable[body].shown = 0;
  }
  if (MainWindow* main = TheMainWindow()) main->EnableAspectButtons();
  MarkForRender(viewRecords[NatalChartView]);
  // The glyphs move: a pop-up would point beside its body, or at none.
  HideBodyPopup();
}

void ViewBodiesDialog::MoveTo(bool right) {
  const Rect area = ViewArea(view_.ClientRect());
  const int x = right ? area.right - DialogWidth - RightGap : LeftX;
  const platform::Point corner = view_.ToScreen({x, area.bottom - DialogHeight - BottomGap});
  Move(Rect::At(corner.x, corner.y, DialogWidth, DialogHeight));
}

int ViewBodiesDialog::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::InitDialog:
      Fill();
      return 0;
    case MsgType::Paint: {
      // A frame sets the dialog off from the wheel under it.
      m.dc->SelectPen(platform::Pen{platform::kBlack});
      m.dc->SelectBrush(platform::Brush::Null());
      m.dc->Rectangle(ClientRect());
      return 0;
    }
    case MsgType::Command:
      if (m.id == MoveLeftButton || m.id == MoveRightButton) {
        MoveTo(m.id == MoveRightButton);
        return 1;
      }
      if (m.id == platform::kIdOk) Apply();
      return Dialog::OnMessage(m);
    default:
      return Dialog::OnMessage(m);
  }
}

void RunViewBodiesDialog(platform::Window& owner) {
  LogEvent("open " + std::to_string(ViewBodiesTemplate));
  const int code = platform::RunDialog<ViewBodiesDialog>(owner, owner);
  LogEvent("close " + std::to_string(ViewBodiesTemplate) + " " + std::to_string(code));
}

}  // namespace orrery
