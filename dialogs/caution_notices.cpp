#include "dialogs/caution_notices.h"

#include "dialogs/dialog_run.h"
#include "shell/draw_helpers.h"
#include "shell/platform/dialog.h"
#include "shell/platform/draw_context.h"
#include "shell/platform/theme.h"

namespace orrery {

namespace {

// A notice or question: centred in its owner, framed, taking the keyboard
// itself when none of its controls does.
class CautionDialog : public platform::Dialog {
 public:
  CautionDialog(platform::Window& owner, int templateId, int focusId)
      : Dialog(templateId), focusId_(focusId) {
    SetOwner(&owner);
  }

  int OnMessage(const platform::Message& m) override {
    switch (m.type) {
      case platform::MsgType::InitDialog:
        CentreInParent(*this);
        if (platform::Window* control = focusId_ ? Child(focusId_) : nullptr) {
          control->Focus();
        } else {
          Focus();
        }
        return 0;
      case platform::MsgType::Paint:
        m.dc->SelectPen({platform::theme::kFrame});
        m.dc->SelectBrush(platform::Brush::Null());
        m.dc->Rectangle(ClientRect());
        return 0;
      default:
        return Dialog::OnMessage(m);
    }
  }

 private:
  int focusId_;
};

// The question: its buttons and commands 1 and 2 end it with the answer as
// its code (1 Yes, 0 No); any other command leaves it open.
class QuestionDialog : public CautionDialog {
 public:
  QuestionDialog(platform::Window& owner, int templateId, bool defaultYes)
      : CautionDialog(owner, templateId, defaultYes ? YesButtonId : NoButtonId) {}

  int OnMessage(const platform::Message& m) override {
    if (m.type != platform::MsgType::Command) return CautionDialog::OnMessage(m);
    if (m.id == platform::kIdOk || m.id == YesButtonId) {
      End(1);
    } else if (m.id == platform::kIdCancel || m.id == NoButtonId) {
      End(0);
    }
    return 1;
  }
};

}  // namespace

void ShowCautionNotice(platform::Window& owner, int templateId) {
  RegisterCautionTemplates();
  if (!platform::FindDialog(templateId)) return;
  RunLoggedDialog<CautionDialog>(templateId, owner, owner, templateId, 0);
}

void ShowStoreNotice(platform::Window& owner, const std::string& text) {
  RegisterStoreNotice(text);
  RunLoggedDialog<CautionDialog>(NoticeStore, owner, owner, int(NoticeStore), 0);
}

int AskYesNo(platform::Window& owner, int templateId, bool defaultYes) {
  RegisterCautionTemplates();
  if (!platform::FindDialog(templateId)) return 0;
  // Any other end (the program quitting) answers No.
  return RunLoggedDialog<QuestionDialog>(templateId, owner, owner, templateId, defaultYes) == 1 ? 1 : 0;
}

}  // namespace orrery
