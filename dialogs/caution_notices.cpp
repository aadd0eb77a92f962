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

// The question: its buttons and commands 1 and 2 answer; any other command
// counts as No and leaves it open.
class QuestionDialog : public CautionDialog {
 public:
  QuestionDialog(platform::Window& owner, int templateId, bool defaultYes, int& answer)
      : CautionDialog(owner, templateId, defaultYes ? YesButtonId : NoButtonId), answer_(answer) {}

  int OnMessage(const platform::Message& m) override {
    if (m.type != platform::MsgType::Command) return CautionDialog::OnMessage(m);
    if (m.id == platform::kIdOk || m.id == YesButtonId) {
      answer_ = 1;
      End(1);
    } else if (m.id == platform::kIdCancel || m.id == NoButtonId) {
      answer_ = 0;
      End(0);
    } else {
      answer_ = 0;
    }
    return 1;
  }

 private:
  int& answer_;
};

}  // namespace

void ShowCautionNotice(platform::Window& owner, int templateId) {
  RegisterCautionTemplates();
  if (!platform::FindDialog(templateId)) return;
  RunLoggedDialog<CautionDialog>(templateId, owner, owner, templateId, 0);
}

int AskYesNo(platform::Window& owner, int templateId, bool defaultYes) {
  RegisterCautionTemplates();
  if (!platform::FindDialog(templateId)) return 0;
  int answer = 0;
  RunLoggedDialog<QuestionDialog>(templateId, owner, owner, templateId, defaultYes, answer);
  return answer;
}

}  // namespace orrery
