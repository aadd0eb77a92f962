#include "dialogs/terminal.h"

#include "dialogs/dialog_run.h"
#include "foundation/error_log.h"
#include "shell/platform/desktop.h"
#include "shell/platform/dialog.h"
#include "shell/platform/multiline_edit.h"

namespace orrery {

namespace {

constexpr int InputLimit = 128;
constexpr int OutputLimit = 2048;
constexpr size_t CommandLimit = 512;

void RegisterTerminalTemplate() {
  static const bool registered = [] {
    using platform::ControlKind;
    platform::DialogTemplate t;
    t.title = u"qA Terminal";
    t.style = platform::kDialogFullScreen | platform::kDialogOkButton;
    t.controls = {
        {ControlKind::MultiLineEdit, TerminalOutputId, u"", {4, 4, 236, 236}, OutputLimit},
        {ControlKind::Edit, TerminalInputId, u"", {4, 244, 196, 262}, InputLimit},
        {ControlKind::DefaultButton, TerminalRunId, u"!!", {202, 243, 236, 263}},
    };
    platform::AddDialog(TerminalTemplate, std::move(t));
    return true;
  }();
  (void)registered;
}

class TerminalDialog : public platform::Dialog {
 public:
  TerminalDialog() : Dialog(TerminalTemplate) {}

  int OnMessage(const platform::Message& m) override {
    switch (m.type) {
      case platform::MsgType::InitDialog:
        GetDesktop()->SetInputPanel(true);
        Child(TerminalInputId)->Focus();
        return 0;
      case platform::MsgType::Command:
        if (m.id == TerminalRunId) {
          RunCommand();
          return 1;
        }
        if (m.id == platform::kIdOk || m.id == platform::kIdCancel) {
          GetDesktop()->SetInputPanel(false);
        }
        return Dialog::OnMessage(m);
      case platform::MsgType::Key:
        if (m.code == platform::kKeyEnter && m.value == 0) {
          RunCommand();
          return 1;
        }
        return Dialog::OnMessage(m);
      default:
        return Dialog::OnMessage(m);
    }
  }

 private:
  void RunCommand() {
    auto& output = static_cast<platform::MultiLineEdit&>(*Child(TerminalOutputId));
    output.SetContent(TerminalAnswer(Child(TerminalInputId)->Text()));
  }
};

}  // namespace

std::u16string TerminalAnswer(std::u16string_view input) {
  const std::u16string_view command = input.substr(0, CommandLimit);
  if (command == u"?") return u"Commands:\r\n\r\n  errors\r\n  test";
  if (command == u"errors") return DumpErrorLog();
  return u"Unknown Command !";
}

void ShowTerminal(platform::Window& owner) {
  RegisterTerminalTemplate();
  RunLoggedDialog<TerminalDialog>(TerminalTemplate, owner);
}

}  // namespace orrery
