// The program started in a headless desktop with its dialogs installed,
// the wizard opened from the Chart menu and driven by scripts of taps,
// keys, typed text and the commands that act on controls by id (settext,
// click, select, expand, page, ok, cancel). Scripts may also use:
//   observe        notes the wizard's page on show and the id of the
//                  focused control ("Place 1027"), or the title of another
//                  dialog on top ("Caution !")
//   note ID        notes what the control shows: an edit's text, the chosen
//                  item of a combo box, list or tree, "on"/"off" for a
//                  button, "disabled" before it when it is greyed
//   golden NAME    compares the screen with tests/data/dialogs/wizard/NAME.png
#pragma once

#include <string>
#include <vector>

#include "dialog_test_support.h"

namespace orrery::testing {

// Grace Hopper, 9 December 1906, 05:00, typed on the Name page, and New York
// City typed on the City page; then OK.
inline constexpr const char* GraceHopperScript = R"(
settext 1018 Grace Hopper
settext 1019 1906
settext 1020 12
settext 1021 9
settext 1022 5
settext 1023 0
select 1024 2
page City
settext 1054 New York City
ok
)";

class WizardTest : public DialogTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Chooses "New" (or "Edit") in the Chart menu and runs the script until
  // it ends; the script must close the wizard.
  void RunNew(const std::string& script);
  void RunEdit(const std::string& script);

  // The lines of the event log (dialogs opened and closed) since SetUp.
  std::vector<std::string> Events() const;
  // Whether the events hold this line.
  bool Logged(const std::string& line) const;

  std::vector<std::string> observed_;

 private:
  std::string eventFile_;
};

}  // namespace orrery::testing
