#include "shell/platform/combo_popup.h"

#include "shell/platform/combo_box.h"
#include "shell/platform/control.h"
#include "shell/platform/desktop.h"
#include "shell/platform/list_view.h"

namespace orrery::platform {

ComboPopup::ComboPopup(ComboBox& combo, const Rect& frame) : Window(0, frame), combo_(combo) {
  SetStyle(kStyleTopmost);
  SetOwner(&combo);
}

int ComboPopup::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::Create:
      list_ = &Add<ListView>(1, ClientRect(), false);
      for (int i = 0; i < combo_.Count(); ++i) list_->AddRow({combo_.ItemText(i)});
      list_->SetSelection(combo_.Selection());
      GetDesktop()->SetTapGrab(this);
      return 0;
    case MsgType::TapDown: {
      // Beside the list: close. On it: hand the tap to the list (or its scroll bar).
      if (!ClientRect().Contains(m.pos)) {
        combo_.Close();
        return 0;
      }
      Desktop& d = *GetDesktop();
      d.SetTapGrab(nullptr);
      Window* target = d.WindowAt(ToScreen(m.pos));
      if (target && target != this) {
        Message local = m;
        local.pos = target->FromScreen(ToScreen(m.pos));
        target->Send(local);
      }
      if (!Alive()) return 0;  // an item was chosen
      if (target == list_) {
        combo_.Close();  // the item already chosen was tapped again
        return 0;
      }
      d.SetTapGrab(this);
      return 0;
    }
    case MsgType::Notify:
      if (m.source == list_ && m.code == kListSelChanged) combo_.Choose(m.value);
      return 1;
    case MsgType::Key:
      if (m.code == kKeyEscape) {
        combo_.Close();
        return 1;
      }
      return Window::OnMessage(m);
    default:
      return Window::OnMessage(m);
  }
}

}  // namespace orrery::platform
