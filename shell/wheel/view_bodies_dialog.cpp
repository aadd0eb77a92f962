#include "shell/wheel/view_bodies_dialog.h"

#include "astro/body_table.h"
#include "chart/aspects.h"
#include "shell/dialog_hooks.h"
#include "shell/main_window.h"
#include "shell/platform/button.h"
#include "shell/platform/draw_context.h"
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
  int body;  // the body whose drawnInWheel the box shows
  const char16_t* text;
};

// In the dialog's two columns, top to bottom.
constexpr BodyBox BodyBoxes[] = {
    {1076, Moon, u"Moon"},       {1068, Mercury, u"Mercury"}, {1069, Venus, u"Venus"},
    {1070, Mars, u"Mars"},       {1071, Jupiter, u"Jupiter"}, {1072, Saturn, u"Saturn"},
    {1073, Uranus, u"Uranus"},   {1074, Neptune, u"Neptune"}, {1075, Pluto, u"Pluto"},
    {1077, NorthNode, u"Moon Nodes"},
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

int ViewBodiesCheckBox(int body) {
  switch (body) {
    case Moon: return 1076;
    case Mercury: return 1068;
    case Venus: return 1069;
    case Mars: return 1070;
    case Jupiter: return 1071;
    case Saturn: return 1072;
    case Uranus: return 1073;
    case Neptune: return 1074;
    case Pluto: return 1075;
    case NorthNode:
    case SouthNode:
    case MeanNorthNode:
    case MeanSouthNode: return 1077;
    default: return 0;
  }
}

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
  for (int body = 0; body < BodyCount; ++body) {
    const int id = ViewBodiesCheckBox(body);
    if (auto* button = dynamic_cast<platform::Button*>(id ? Child(id) : nullptr)) {
      BodyTable[body].drawnInWheel = button->Checked();
    }
  }
  BodyTable[MeanNorthNode].drawnInWheel = 0;
  BodyTable[MeanSouthNode].drawnInWheel = 0;
  for (BodyPosition& b : BodyTable) b.shown = b.drawnInWheel;
  for (int body : {Ascendant, Midheaven}) {
    BodyTable[body].placedByLayout = 0;
    BodyTable[body].shown = 0;
  }
  if (MainWindow* main = TheMainWindow(); main && main->AspectToolBar()) {
    for (int aspect = 1; aspect <= AspectButtonCount; ++aspect) {
      main->AspectToolBar()->EnableButton(AspectButtonCommand(aspect), AspectPresent(aspect) != 0);
    }
  }
  ViewRecord& wheel = viewRecords[NatalChartView];
  wheel.needsRender = true;
  for (bool& flag : wheel.layerFlags) flag = true;
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

void RunViewBodiesDialog(platform::Window& owner) { platform::RunDialog<ViewBodiesDialog>(owner, owner); }

}  // namespace orrery
