#include "dialogs/wizard/wizard_page.h"

#include "chart/chart_record.h"
#include "dialogs/caution_notices.h"
#include "dialogs/wizard/wizard_ids.h"
#include "shell/platform/button.h"
#include "shell/platform/control.h"

namespace orrery::wizard {

using platform::Message;
using platform::MsgType;

namespace {

constexpr int PageTemplates[TabCount] = {NamePageTemplate, RegionPageTemplate, CityPageTemplate,
                                          PlacePageTemplate, CorrectionsPageTemplate};

int PageOfTemplate(int templateId) {
  for (int i = 0; i < TabCount; ++i) {
    if (PageTemplates[i] == templateId) return i;
  }
  return NameTab;
}

}  // namespace

void WizardSession::ShowProblem(platform::PropertySheet& sheet, const ValidationResult& problem,
                                bool switchPage) {
  const int page = PageOfTemplate(problem.page);
  if (switchPage) sheet.SetActivePage(page);
  ShowCautionNotice(sheet, problem.notice);
  if (platform::Dialog* dialog = sheet.Page(page)) {
    if (platform::Window* control = dialog->Child(problem.control)) control->Focus();
  }
}

int WizardSession::Apply(platform::PropertySheet& sheet) {
  if (finished_) return 0;
  WizardInput in = InputFromRecord(currentRecord);
  if (auto* shown = dynamic_cast<WizardPage*>(sheet.Page(sheet.ActivePage()))) shown->ReadFields(in);
  const ValidationResult problem = ValidateAll(in);
  if (!problem.valid) {
    ShowProblem(sheet, problem, true);
    return 1;
  }
  finished_ = true;
  return 0;
}

WizardPage::WizardPage(WizardSession& session, int templateId)
    : platform::Dialog(templateId), session_(session) {}

void WizardPage::ReadFields(WizardInput&) const {}

int WizardPage::OnMessage(const Message& m) {
  switch (m.type) {
    case MsgType::InitDialog:
      OnInit();
      return 0;
    case MsgType::Notify:
      switch (m.code) {
        case platform::kPageSetActive:
          Sheet().SetText(title_);
          OnShow();
          return 0;
        case platform::kPageKillActive:
          return OnLeave() ? 0 : 1;
        case platform::kPageApply:
          return session_.Apply(Sheet());
        case platform::kPageReset:
          return 0;
        default:
          OnControl(m);
          return 0;
      }
    case MsgType::Command:
      if (m.id == platform::kIdOk || m.id == platform::kIdCancel) break;
      OnControl(m);
      return 1;
    case MsgType::Scroll:
      OnControl(m);
      return 0;
    default:
      break;
  }
  return platform::Dialog::OnMessage(m);
}

bool WizardPage::Passes(ValidationResult (*check)(const WizardInput&)) {
  const ValidationResult problem = check(Input());
  if (problem.valid) return true;
  session_.ShowProblem(Sheet(), problem, false);
  return false;
}

WizardInput WizardPage::Input() const {
  WizardInput in = InputFromRecord(currentRecord);
  ReadFields(in);
  return in;
}

platform::PropertySheet& WizardPage::Sheet() const { return static_cast<platform::PropertySheet&>(*Parent()); }

std::u16string WizardPage::Field(int id) const { return Child(id)->Text(); }

void WizardPage::SetField(int id, std::u16string_view text) { Child(id)->SetText(text); }

void WizardPage::SetNumber(int id, int value) { SetField(id, DecimalText(value)); }

bool WizardPage::Checked(int id) const { return Control<platform::Button>(id).Checked(); }

void WizardPage::SetChecked(int id, bool checked) { Control<platform::Button>(id).SetChecked(checked); }

}  // namespace orrery::wizard
