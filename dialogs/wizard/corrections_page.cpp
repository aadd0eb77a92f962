// The "Corrections" page: the time-zone and daylight-saving corrections
// with their signs, "use Local Time", and the position correction as a
// distance, a unit and a compass direction.
#include "chart/position_correction.h"
#include "dialogs/wizard/wizard_ids.h"
#include "dialogs/wizard/wizard_pages.h"
#include "dialogs/wizard/wizard_record.h"
#include "shell/platform/combo_box.h"

namespace orrery::wizard {

namespace {

using platform::ComboBox;

constexpr int ZoneControls[] = {IdZoneHours, IdZoneMinutes, IdZonePlus, IdZoneMinus};

class CorrectionsPage : public WizardPage {
 public:
  explicit CorrectionsPage(WizardSession& session) : WizardPage(session, CorrectionsPageTemplate) {}

  void ReadFields(WizardInput& in) const override {
    in.localTime = Checked(IdLocalTime);
    in.zoneHours = Field(IdZoneHours);
    in.zoneMinutes = Field(IdZoneMinutes);
    in.zonePlus = Checked(IdZonePlus);
    in.dstHours = Field(IdDstHours);
    in.dstMinutes = Field(IdDstMinutes);
    in.dstPlus = Checked(IdDstPlus);
    in.distance = Field(IdDistance);
    in.unit = std::max(0, Control<ComboBox>(IdUnit).Selection());
    in.direction = std::max(0, Control<ComboBox>(IdDirection).Selection());
  }

 protected:
  void OnInit() override {
    ComboBox& unit = Control<ComboBox>(IdUnit);
    for (const DistanceUnit& u : distanceUnits) unit.AddItem(u.name);
    ComboBox& direction = Control<ComboBox>(IdDirection);
    for (const CompassDirection& d : compassDirections) direction.AddItem(d.longLabel);
  }

  void OnShow() override {
    const ChartRecord& r = currentRecord;
    saved_ = {DecimalText(r.zoneHours), DecimalText(r.zoneMinutes), r.zonePlus != 0};
    ShowZone(saved_);
    SetNumber(IdDstHours, r.dstHours);
    SetNumber(IdDstMinutes, r.dstMinutes);
    SetChecked(r.dstPlus ? IdDstPlus : IdDstMinus, true);
    SetChecked(IdLocalTime, r.localTime != 0);
    UseLocalTime(r.localTime != 0);
    SetNumber(IdDistance, r.corrDistance);
    Control<ComboBox>(IdUnit).SetSelection(r.corrUnit < DistanceUnitCount ? r.corrUnit : 0);
    Control<ComboBox>(IdDirection).SetSelection(r.corrDirection < CompassDirectionCount ? r.corrDirection : 0);
  }

  bool OnLeave() override {
    if (!Passes(CheckCorrectionsPage)) return false;
    StoreCorrectionFields(Input());
    return true;
  }

  void OnControl(const platform::Message& m) override {
    if (m.type != platform::MsgType::Command || m.id != IdLocalTime) return;
    const bool ticked = Checked(IdLocalTime);
    if (ticked) saved_ = {Field(IdZoneHours), Field(IdZoneMinutes), Checked(IdZonePlus)};
    UseLocalTime(ticked);
  }

 private:
  struct Zone {
    std::u16string hours, minutes;
    bool plus = true;
  };

  void ShowZone(const Zone& zone) {
    SetField(IdZoneHours, zone.hours);
    SetField(IdZoneMinutes, zone.minutes);
    SetChecked(zone.plus ? IdZonePlus : IdZoneMinus, true);
  }

  // Ticked: the zone shows 0:00 and cannot be changed; unticked: the zone
  // shown before the box was ticked comes back.
  void UseLocalTime(bool ticked) {
    ShowZone(ticked ? Zone{u"0", u"0", true} : saved_);
    for (int id : ZoneControls) Child(id)->Enable(!ticked);
  }

  Zone saved_;
};

}  // namespace

std::unique_ptr<platform::Dialog> MakeCorrectionsPage(WizardSession& session) {
  return std::make_unique<CorrectionsPage>(session);
}

}  // namespace orrery::wizard
