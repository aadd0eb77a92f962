// The "City" page: eight cities of the sorted atlas at a time, found by
// typing a name or stepped through with the scroll arrows; the chosen
// city's country, province and position below the list. Leaving the page
// applies the chosen city; a double tap on a row applies it and goes on to
// the "Place" page.
#include <vector>

#include "atlas/atlas_entry.h"
#include "atlas/city_search.h"
#include "dialogs/wizard/city_window.h"
#include "dialogs/wizard/wizard_ids.h"
#include "dialogs/wizard/wizard_pages.h"
#include "dialogs/wizard/wizard_record.h"
#include "shell/platform/list_view.h"
#include "shell/platform/scroll_bar.h"
#include "shell/text_format.h"

namespace orrery::wizard {

namespace {

using platform::ListView;

// The range of the two-arrow scroll bar; only its arrows act.
constexpr int ScrollRange = 4000000;

class CityPage : public WizardPage {
 public:
  explicit CityPage(WizardSession& session) : WizardPage(session, CityPageTemplate) {
    title_ = u"Select City";
  }

 protected:
  void OnInit() override {
    List().AddColumn(u"Name", List().Frame().Width() - 2);
    Control<platform::ScrollBar>(IdCityScroll).SetInfo(0, ScrollRange, 0, 0);
    if (session_.Mode() == ModeEdit) {
      SetField(IdSearch, FieldText(currentRecord.city));
      const CityWindow found = FindRecordCity(currentRecord);
      ShowRows(found.rows, found.selected);
    } else {
      Seek(u"");
    }
  }

  bool OnLeave() override {
    const int row = List().Selection();
    if (row >= 0 && row < int(rows_.size())) ApplyAtlasEntry(rows_[row].ref);
    return true;
  }

  void OnControl(const platform::Message& m) override {
    using platform::MsgType;
    if (m.type == MsgType::Command && m.id == IdSearch && m.code == platform::kEditChanged) {
      Seek(Field(IdSearch));
    } else if (m.type == MsgType::Scroll && m.source == Child(IdCityScroll)) {
      OnArrow(platform::ScrollAction(m.code));
    } else if (m.type == MsgType::Notify && m.code == platform::kListSelChanged) {
      ShowDetails(m.value);
    } else if (m.type == MsgType::Notify && m.code == platform::kListDoubleTap) {
      Sheet().SetActivePage(PlaceTab);
    }
  }

 private:
  ListView& List() const { return Control<ListView>(IdCityList); }

  // The window from the first city not below text, with that city selected.
  void Seek(const std::u16string& text) {
    const std::int32_t found = SeekCityName(text.c_str());
    ShowWindow(found, found);
  }

  // The chosen city stays chosen while it is still in view.
  void OnArrow(platform::ScrollAction action) {
    if (action != platform::ScrollAction::LineUp && action != platform::ScrollAction::LineDown) return;
    const std::int32_t start = action == platform::ScrollAction::LineUp ? WindowAbove(rows_) : WindowBelow(rows_);
    ShowWindow(start, ChosenPosition());
  }

  // Stream position of the chosen city; 0 when none is chosen.
  std::int32_t ChosenPosition() const {
    const int row = List().Selection();
    return row >= 0 && row < int(rows_.size()) ? RefPosition(rows_[row].ref) : 0;
  }

  // The window from start, with the city at the stream position chosen
  // selected when the window holds it.
  void ShowWindow(std::int32_t start, std::int32_t chosen) {
    std::vector<CityRow> rows = ReadCityWindow(start);
    int selected = -1;
    for (int i = 0; i < int(rows.size()); ++i) {
      if (RefPosition(rows[i].ref) == chosen) selected = i;
    }
    ShowRows(rows, selected);
  }

  void ShowRows(const std::vector<CityRow>& rows, int selected) {
    rows_ = rows;
    ListView& list = List();
    list.Clear();
    for (const CityRow& row : rows_) list.AddRow({row.text}, row.ref);
    list.SetSelection(selected);
    ShowDetails(selected);
  }

  void ShowDetails(int row) {
    const bool valid = row >= 0 && row < int(rows_.size());
    const CityRow none;
    const CityRow& city = valid ? rows_[row] : none;
    SetField(IdCityCountry, city.country);
    SetField(IdCityProvince, city.province);
    SetField(IdCityLatitude, valid ? LatitudeText(city.latDegrees, city.latMinutes, city.north) : u"");
    SetField(IdCityLongitude, valid ? LongitudeText(city.lonDegrees, city.lonMinutes, city.east) : u"");
  }

  std::vector<CityRow> rows_;
};

}  // namespace

std::unique_ptr<platform::Dialog> MakeCityPage(WizardSession& session) {
  return std::make_unique<CityPage>(session);
}

}  // namespace orrery::wizard
