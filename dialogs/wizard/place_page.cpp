// The "Place" page: country, state or province and city names, and the
// latitude and longitude with their hemisphere toggles. It shows the record
// each time it is shown, so a choice made on "Region" or "City" appears
// here, and what is typed here is what the chart keeps.
#include "dialogs/wizard/wizard_ids.h"
#include "dialogs/wizard/wizard_pages.h"
#include "dialogs/wizard/wizard_record.h"
#include "shell/text_format.h"

namespace orrery::wizard {

namespace {

class PlacePage : public WizardPage {
 public:
  explicit PlacePage(WizardSession& session) : WizardPage(session, PlacePageTemplate) {}

  void ReadFields(WizardInput& in) const override {
    in.country = Field(IdCountry);
    in.state = Field(IdState);
    in.city = Field(IdCity);
    in.latDegrees = Field(IdLatDegrees);
    in.latMinutes = Field(IdLatMinutes);
    in.north = Checked(IdNorth);
    in.lonDegrees = Field(IdLonDegrees);
    in.lonMinutes = Field(IdLonMinutes);
    in.east = Checked(IdEast);
  }

 protected:
  void OnShow() override {
    const ChartRecord& r = currentRecord;
    SetField(IdCountry, FieldText(r.country));
    SetField(IdState, FieldText(r.state));
    SetField(IdCity, FieldText(r.city));
    SetNumber(IdLatDegrees, r.latDegrees);
    SetNumber(IdLatMinutes, r.latMinutes);
    SetChecked(r.north ? IdNorth : IdSouth, true);
    SetNumber(IdLonDegrees, r.lonDegrees);
    SetNumber(IdLonMinutes, r.lonMinutes);
    SetChecked(r.east ? IdEast : IdWest, true);
  }

  bool OnLeave() override {
    if (!Passes(CheckPlacePage)) return false;
    StorePlaceFields(Input());
    return true;
  }

  // A hemisphere toggle counts at once.
  void OnControl(const platform::Message& m) override {
    if (m.type != platform::MsgType::Command) return;
    if (m.id == IdNorth || m.id == IdSouth) currentRecord.north = m.id == IdNorth ? 1 : 0;
    if (m.id == IdEast || m.id == IdWest) currentRecord.east = m.id == IdEast ? 1 : 0;
  }
};

}  // namespace

std::unique_ptr<platform::Dialog> MakePlacePage(WizardSession& session) {
  return std::make_unique<PlacePage>(session);
}

}  // namespace orrery::wizard
