// The "Name" page: name, local date and time, sex and calendar.
#include "dialogs/pick_date.h"
#include "dialogs/wizard/wizard_ids.h"
#include "dialogs/wizard/wizard_pages.h"
#include "dialogs/wizard/wizard_record.h"
#include "foundation/localized_strings.h"
#include "shell/glyphs/glyph_ids.h"
#include "shell/platform/combo_box.h"
#include "shell/platform/control.h"
#include "shell/platform/resources.h"
#include "shell/platform/static_control.h"
#include "shell/text_format.h"

namespace orrery::wizard {

namespace {

using platform::ComboBox;

// Localised names of the sexes, in the order of the record's values.
constexpr int SexStrings[] = {42, 43, 44};  // "Neutral", "Male", "Female"
// The range the "C" button's calendar offers.
constexpr platform::Date EarliestPick{1700, 1, 1};
constexpr platform::Date LatestPick{2129, 12, 31};

int SexIcon(int sex) {
  if (sex == 1) return glyphs::kSexMale.id;
  if (sex == 2) return glyphs::kSexFemale.id;
  return glyphs::kSexNeutral.id;
}

class NamePage : public WizardPage {
 public:
  explicit NamePage(WizardSession& session) : WizardPage(session, NamePageTemplate) {}

  void ReadFields(WizardInput& in) const override {
    in.name = Field(IdName);
    in.year = Field(IdYear);
    in.month = Field(IdMonth);
    in.day = Field(IdDay);
    in.hour = Field(IdHour);
    in.minute = Field(IdMinute);
    in.sex = std::max(0, Control<ComboBox>(IdSex).Selection());
    in.calendar = std::max(0, Control<ComboBox>(IdCalendar).Selection());
  }

 protected:
  void OnInit() override {
    const ChartRecord& r = currentRecord;
    ComboBox& sex = Control<ComboBox>(IdSex);
    for (int id : SexStrings) sex.AddItem(LocalizedString(id));
    sex.SetSelection(r.sex <= 2 ? r.sex : 0);
    ComboBox& calendar = Control<ComboBox>(IdCalendar);
    calendar.AddItem(u"Gregorian");
    calendar.AddItem(u"Julian");
    calendar.SetSelection(r.calendar == 1 ? 1 : 0);
    ShowSexIcon();
    if (session_.Mode() != ModeEdit) return;
    SetField(IdName, FieldText(r.name));
    SetNumber(IdYear, r.year);
    SetNumber(IdMonth, r.month);
    SetNumber(IdDay, r.day);
    SetNumber(IdHour, r.hour);
    SetNumber(IdMinute, r.minute);
  }

  bool OnLeave() override {
    if (!Passes(CheckNamePage)) return false;
    StoreNameFields(Input());
    return true;
  }

  void OnControl(const platform::Message& m) override {
    if (m.type != platform::MsgType::Command) return;
    switch (m.id) {
      case IdSex:
        ShowSexIcon();
        return;
      case IdPickDate:
        PickBirthDate();
        return;
      case IdCancelSheet:
        End(platform::kIdCancel);
        return;
      default:
        return;
    }
  }

 private:
  void ShowSexIcon() {
    const platform::Image* icon = platform::FindIcon(SexIcon(Control<ComboBox>(IdSex).Selection()));
    Control<platform::Static>(IdSexIcon).SetImage(icon ? *icon : platform::Image());
  }

  void PickBirthDate() {
    DatePick pick{EarliestPick, LatestPick, {}};
    if (PickDate(Sheet(), pick) != 1) {
      Child(IdYear)->Focus();
      return;
    }
    SetNumber(IdYear, pick.result.year);
    SetNumber(IdMonth, pick.result.month);
    SetNumber(IdDay, pick.result.day);
    Child(IdHour)->Focus();
  }
};

}  // namespace

std::unique_ptr<platform::Dialog> MakeNamePage(WizardSession& session) {
  return std::make_unique<NamePage>(session);
}

}  // namespace orrery::wizard
