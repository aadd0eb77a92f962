// The page templates of the New Chart wizard as data: controls, ids, texts
// and rectangles in pixels of a page (240 x 274 below the navigation bar,
// above the sheet's tabs).
#include "dialogs/wizard/chart_wizard.h"
#include "dialogs/wizard/wizard_ids.h"
#include "shell/platform/dialog_template.h"

namespace orrery {

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::Rect;
using namespace wizard;

constexpr int LabelX = 6, FieldX = 64, RightEdge = 234, RowHeight = 18;

ControlTemplate Label(std::u16string text, int x, int y, int right) {
  return {ControlKind::Text, 0, std::move(text), {x, y + 3, right, y + RowHeight}};
}

// Number fields take any text: the wizard's checks judge it.
ControlTemplate Edit(int id, int x, int y, int right, int limit, unsigned flags = 0) {
  return {ControlKind::Edit, id, u"", {x, y, right, y + RowHeight}, limit, 0, 0, flags};
}

ControlTemplate Control(ControlKind kind, int id, std::u16string text, Rect rect, int group = 0) {
  return {kind, id, std::move(text), rect, 0, group};
}

platform::DialogTemplate Page(std::vector<ControlTemplate> controls) {
  return {u"", {}, 0, std::move(controls)};
}

platform::DialogTemplate NameTemplate() {
  ControlTemplate year = Edit(IdYear, FieldX, 34, FieldX + 40, 5);
  year.text = u"19";
  return Page({
      Label(u"Name:", LabelX, 8, FieldX),
      Edit(IdName, FieldX, 8, RightEdge, 32),
      Label(u"Date:", LabelX, 34, FieldX),
      year,
      Edit(IdMonth, FieldX + 44, 34, FieldX + 70, 3),
      Edit(IdDay, FieldX + 74, 34, FieldX + 100, 3),
      Control(ControlKind::Button, IdPickDate, u"C", {FieldX + 108, 34, FieldX + 130, 34 + RowHeight}),
      Label(u"year  month  day", FieldX, 52, RightEdge),
      Label(u"Time:", LabelX, 72, FieldX),
      Edit(IdHour, FieldX, 72, FieldX + 26, 3),
      Label(u":", FieldX + 28, 72, FieldX + 34),
      Edit(IdMinute, FieldX + 34, 72, FieldX + 60, 3),
      Label(u"hour : minute", FieldX + 68, 72, RightEdge),
      Label(u"Sex:", LabelX, 102, FieldX),
      Control(ControlKind::ComboBox, IdSex, u"", {FieldX, 102, FieldX + 100, 102 + RowHeight}),
      {ControlKind::Icon, IdSexIcon, u"", {FieldX + 110, 104, FieldX + 126, 120}},
      Label(u"Calendar:", LabelX, 130, FieldX),
      Control(ControlKind::ComboBox, IdCalendar, u"", {FieldX, 130, FieldX + 100, 130 + RowHeight}),
      Control(ControlKind::Button, IdCancelSheet, u"Cancel", {RightEdge - 70, 238, RightEdge, 260}),
  });
}

platform::DialogTemplate RegionTemplate() {
  return Page({
      Label(u"Region, country or province:", LabelX, 4, RightEdge),
      Control(ControlKind::TreeView, IdRegionTree, u"", {LabelX, 26, RightEdge, 266}),
  });
}

platform::DialogTemplate CityTemplate() {
  // Eight rows under the list's header: 18 + 8 x 16 pixels inside its frame.
  constexpr int listTop = 30, listBottom = listTop + 2 + 18 + 8 * 16;
  const int details = listBottom + 10;
  platform::DialogTemplate t = Page({
      Label(u"Search:", LabelX, 6, FieldX),
      Edit(IdSearch, FieldX, 6, RightEdge, 32),
      Control(ControlKind::ListView, IdCityList, u"", {LabelX, listTop, RightEdge - 16, listBottom}),
      Control(ControlKind::ScrollBar, IdCityScroll, u"", {RightEdge - 14, listTop + 18, RightEdge, listTop + 46}),
      Label(u"Country:", LabelX, details, FieldX),
      Edit(IdCityCountry, FieldX, details, RightEdge, 0, platform::kControlReadOnly),
      Label(u"Province:", LabelX, details + 22, FieldX),
      Edit(IdCityProvince, FieldX, details + 22, RightEdge, 0, platform::kControlReadOnly),
      Label(u"Position:", LabelX, details + 44, FieldX),
      Edit(IdCityLatitude, FieldX, details + 44, FieldX + 72, 0, platform::kControlReadOnly),
      Edit(IdCityLongitude, FieldX + 80, details + 44, RightEdge, 0, platform::kControlReadOnly),
  });
  t.title = u"Select City";
  return t;
}

// One coordinate row: degrees, minutes and the hemisphere toggle pair.
void CoordinateRow(std::vector<ControlTemplate>& controls, std::u16string label, int y, int degreesId,
                   int degreesLimit, int minutesId, int firstToggle, std::u16string first,
                   std::u16string second, int group) {
  controls.push_back(Label(std::move(label), LabelX, y, FieldX));
  controls.push_back(Edit(degreesId, FieldX, y, FieldX + 32, degreesLimit));
  controls.push_back(Label(u"°", FieldX + 34, y, FieldX + 40));
  controls.push_back(Edit(minutesId, FieldX + 42, y, FieldX + 68, 3));
  controls.push_back(Label(u"'", FieldX + 70, y, FieldX + 76));
  controls.push_back(Control(ControlKind::Toggle, firstToggle, std::move(first),
                             {FieldX + 82, y, FieldX + 104, y + RowHeight}, group));
  controls.push_back(Control(ControlKind::Toggle, firstToggle + 1, std::move(second),
                             {FieldX + 106, y, FieldX + 128, y + RowHeight}, group));
}

platform::DialogTemplate PlaceTemplate() {
  std::vector<ControlTemplate> c = {
      Label(u"Country:", LabelX, 8, FieldX),
      Edit(IdCountry, FieldX, 8, RightEdge, 48),
      Label(u"State:", LabelX, 32, FieldX),
      Edit(IdState, FieldX, 32, RightEdge, 48),
      Label(u"City:", LabelX, 56, FieldX),
      Edit(IdCity, FieldX, 56, RightEdge, 65),
  };
  CoordinateRow(c, u"Latitude:", 88, IdLatDegrees, 3, IdLatMinutes, IdNorth, u"N", u"S", 1);
  CoordinateRow(c, u"Longitude:", 112, IdLonDegrees, 4, IdLonMinutes, IdEast, u"E", u"W", 2);
  return Page(std::move(c));
}

// One correction row: hours, minutes and the sign toggle pair.
void CorrectionRow(std::vector<ControlTemplate>& controls, std::u16string label, int y, int hoursId,
                   int minutesId, int plusId, int group) {
  controls.push_back(Label(std::move(label), LabelX, y, FieldX + 12));
  controls.push_back(Edit(hoursId, FieldX + 14, y, FieldX + 40, 3));
  controls.push_back(Label(u":", FieldX + 42, y, FieldX + 48));
  controls.push_back(Edit(minutesId, FieldX + 48, y, FieldX + 74, 3));
  controls.push_back(Control(ControlKind::Toggle, plusId, u"+", {FieldX + 82, y, FieldX + 104, y + RowHeight}, group));
  controls.push_back(Control(ControlKind::Toggle, plusId + 1, u"-", {FieldX + 106, y, FieldX + 128, y + RowHeight}, group));
}

platform::DialogTemplate CorrectionsTemplate() {
  std::vector<ControlTemplate> c = {Label(u"Time correction", LabelX, 2, RightEdge)};
  CorrectionRow(c, u"Time zone:", 22, IdZoneHours, IdZoneMinutes, IdZonePlus, 1);
  CorrectionRow(c, u"Daylight:", 44, IdDstHours, IdDstMinutes, IdDstPlus, 2);
  c.push_back(Control(ControlKind::CheckBox, IdLocalTime, u"use Local Time", {LabelX, 68, 150, 84}));
  int y = 88;
  for (const char16_t* line : {u"GMT=LMT-TCZ+DSC", u"GMT...Greenwich Mean Time", u"LMT....Local Time",
                               u"TZC...Timezone Correction", u"DSC...Daylight Saving Correction"}) {
    c.push_back({ControlKind::Text, 0, line, {LabelX + 10, y, RightEdge, y + 12}});
    y += 12;
  }
  c.push_back(Label(u"Position correction", LabelX, 156, RightEdge));
  c.push_back(Label(u"Distance:", LabelX, 176, FieldX + 12));
  c.push_back(Edit(IdDistance, FieldX + 14, 176, FieldX + 50, 4, platform::kControlNumbers));
  c.push_back(Control(ControlKind::ComboBox, IdUnit, u"", {FieldX + 54, 176, RightEdge, 176 + RowHeight}));
  c.push_back(Label(u"Direction:", LabelX, 200, FieldX + 12));
  c.push_back(Control(ControlKind::ComboBox, IdDirection, u"", {FieldX + 14, 200, RightEdge, 200 + RowHeight}));
  return Page(std::move(c));
}

}  // namespace

void RegisterWizardTemplates() {
  static const bool registered = [] {
    platform::AddDialog(NamePageTemplate, NameTemplate());
    platform::AddDialog(RegionPageTemplate, RegionTemplate());
    platform::AddDialog(CityPageTemplate, CityTemplate());
    platform::AddDialog(PlacePageTemplate, PlaceTemplate());
    platform::AddDialog(CorrectionsPageTemplate, CorrectionsTemplate());
    return true;
  }();
  (void)registered;
}

}  // namespace orrery
