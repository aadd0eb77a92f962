#include "dialogs/chart_select.h"

#include "chart/chart_slot.h"
#include "dialogs/caution_notices.h"
#include "dialogs/dialog_run.h"
#include "shell/platform/dialog.h"
#include "shell/platform/list_view.h"
#include "shell/text_format.h"
#include "store/chart_changes.h"
#include "store/chart_list.h"
#include "store/chart_store.h"
#include "store/sample_charts.h"

namespace orrery {

namespace {

using platform::ControlKind;
using platform::ListView;

constexpr int NameColumnWidth = 150;

void RegisterChartSelectTemplate() {
  static const bool registered = [] {
    platform::DialogTemplate t;
    t.title = u"Chart select";
    t.style = platform::kDialogFullScreen | platform::kDialogOkButton;
    t.controls = {
        {ControlKind::ListView, ChartListId, u"", {4, 4, 236, 166}},
        {ControlKind::Text, DateLineId, u"", {6, 174, 236, 186}},
        {ControlKind::Text, TimeLineId, u"", {6, 188, 236, 200}},
        {ControlKind::Text, CountryLineId, u"", {6, 202, 236, 214}},
        {ControlKind::Text, CityLineId, u"", {6, 216, 236, 228}},
        {ControlKind::Button, SelectButtonId, u"Select", {4, 264, 76, 286}},
        {ControlKind::Button, DeleteButtonId, u"Delete", {84, 264, 156, 286}},
        {ControlKind::Button, CancelButtonId, u"Cancel", {164, 264, 236, 286}},
    };
    platform::AddDialog(ChartSelectTemplate, std::move(t));
    return true;
  }();
  (void)registered;
}

std::int32_t ShownChartId() { return CurrentSlot().record.id; }

class ChartSelectDialog : public platform::Dialog {
 public:
  ChartSelectDialog() : Dialog(ChartSelectTemplate) {}

  int OnMessage(const platform::Message& m) override {
    switch (m.type) {
      case platform::MsgType::InitDialog:
        FillList();
        ShowSelectedChart(0);
        return 0;
      case platform::MsgType::Notify:
        if (m.id == ChartListId && m.code == platform::kListSelChanged) ShowSelectedChart(-1);
        return 0;
      case platform::MsgType::Command:
        switch (m.id) {
          case platform::kIdOk:
          case SelectButtonId: SelectChart(); return 1;
          case DeleteButtonId: DeleteSelected(); return 1;
          case platform::kIdCancel:
          case CancelButtonId: Cancel(); return 1;
          default: return Dialog::OnMessage(m);
        }
      default:
        return Dialog::OnMessage(m);
    }
  }

 private:
  ListView& List() { return static_cast<ListView&>(*Child(ChartListId)); }

  void FillList() {
    // Charts other processes stored or deleted meanwhile show too.
    RefreshChartStore();
    ListView& list = List();
    list.Clear();
    list.AddColumn(u"Name", NameColumnWidth);
    for (int sample = 0; sample < SampleChartCount; ++sample) {
      LoadSampleChart(sample);
      list.AddRow({FieldText(currentRecord.name)}, currentRecord.id);
    }
    for (int index = 0; index < StoreSlotCount; ++index) {
      const std::int32_t id = ChartIdAt(index);
      if (id > 0 && FetchChart(id)) list.AddRow({FieldText(currentRecord.name)}, id);
    }
  }

  // Selects the row (-1: keeps the selection), loads its chart and shows
  // its details; the row for a stored chart, -1 for a sample or none.
  int ShowSelectedChart(int row) {
    ListView& list = List();
    if (row >= 0) list.SetSelection(row);
    row = list.Selection();
    const std::int32_t id = std::int32_t(list.RowData(row));
    const bool loaded = row >= 0 && LoadChart(id);
    const bool stored = loaded && !IsSampleChart(id);
    Child(DeleteButtonId)->Enable(stored);
    if (loaded) {
      const ChartDetails details = DetailsOf(currentRecord);
      Child(DateLineId)->SetText(details.date);
      Child(TimeLineId)->SetText(details.time);
      Child(CountryLineId)->SetText(details.country);
      Child(CityLineId)->SetText(details.city);
    }
    return stored ? row : -1;
  }

  void DeleteSelected() {
    const int row = ShowSelectedChart(-1);
    if (row < 0) return;
    if (AskYesNo(*this, QuestionDeleteChart, false) != 1) return;
    if (!RemoveChart(std::int32_t(List().RowData(row)))) return;
    List().RemoveRow(row);
    ShowSelectedChart(0);
  }

  void SelectChart() {
    const int row = List().Selection();
    const bool loaded = row >= 0 && LoadChart(std::int32_t(List().RowData(row)));
    if (!loaded && !LoadChart(ShownChartId())) LoadSampleChart(0);
    CommitChart(CommitShow);
    Close(1);
  }

  void Cancel() {
    if (!LoadChart(ShownChartId())) {
      // The chart on show was deleted here.
      LoadSampleChart(0);
      CommitChart(CommitShow);
    }
    Close(platform::kIdCancel);
  }

  void Close(int code) {
    List().Clear();
    End(code);
  }
};

}  // namespace

ChartDetails DetailsOf(const ChartRecord& record) {
  return {FormatText("Date: %4d.%02d.%02d ", record.year, record.month, record.day),
          FormatText("Time: %2d:%02d ", record.hour, record.minute), u"Country: " + FieldText(record.country),
          u"City: " + FieldText(record.city)};
}

void RunChartSelect(platform::Window& owner) {
  RegisterChartSelectTemplate();
  RunLoggedDialog<ChartSelectDialog>(ChartSelectTemplate, owner);
}

}  // namespace orrery
