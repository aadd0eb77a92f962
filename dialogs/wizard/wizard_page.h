// What the wizard's pages share: the session they belong to (mode, the
// finished flag, showing a failed check, the sheet's apply) and the page
// notifications turned into OnShow and OnLeave.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dialogs/wizard/wizard_checks.h"
#include "shell/platform/dialog.h"
#include "shell/platform/property_sheet.h"

namespace orrery::wizard {

class WizardPage;

// One run of the wizard.
class WizardSession {
 public:
  explicit WizardSession(int mode) : mode_(mode) {}

  int Mode() const { return mode_; }
  // Set once the sheet was accepted with every check passed.
  bool Finished() const { return finished_; }

  // The five pages, for the sheet.
  std::vector<platform::PropertyPage> Pages();

  // A failed check: switches to its page when asked, opens its notice and
  // puts the focus on its field.
  void ShowProblem(platform::PropertySheet& sheet, const ValidationResult& problem, bool switchPage);
  // The sheet's OK on a page: the first one runs every check over the
  // record and the fields of the page on show; nonzero keeps the sheet open.
  int Apply(platform::PropertySheet& sheet);

 private:
  int mode_;
  bool finished_ = false;
};

class WizardPage : public platform::Dialog {
 public:
  WizardPage(WizardSession& session, int templateId);

  // Adds what the page's fields hold to in (nothing for pages without
  // checked fields).
  virtual void ReadFields(WizardInput& in) const;

  int OnMessage(const platform::Message& m) override;

 protected:
  // After the controls exist (once).
  virtual void OnInit() {}
  // Before each showing.
  virtual void OnShow() {}
  // Leaving the page or accepting on it: false keeps the page.
  virtual bool OnLeave() { return true; }
  // Commands and notifications of the page's controls.
  virtual void OnControl(const platform::Message&) {}

  // Runs a page's checks over the record and this page's fields; on a
  // problem shows it and returns false.
  bool Passes(ValidationResult (*check)(const WizardInput&));
  WizardInput Input() const;

  platform::PropertySheet& Sheet() const;
  template <class C>
  C& Control(int id) const {
    return static_cast<C&>(*Child(id));
  }
  std::u16string Field(int id) const;
  void SetField(int id, std::u16string_view text);
  void SetNumber(int id, int value);
  bool Checked(int id) const;
  void SetChecked(int id, bool checked);

  WizardSession& session_;
  // The navigation bar's title while the page is on show.
  std::u16string title_ = u"New Chart";
};

}  // namespace orrery::wizard
