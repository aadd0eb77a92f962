// Dialogs from templates, property sheets and scripts that act on controls.
#include <gtest/gtest.h>

#include "recorder.h"
#include "shell/platform/button.h"
#include "shell/platform/combo_box.h"
#include "shell/platform/dialog.h"
#include "shell/platform/dialog_script.h"
#include "shell/platform/edit.h"
#include "shell/platform/headless_host.h"
#include "shell/platform/list_view.h"
#include "shell/platform/property_sheet.h"
#include "shell/platform/static_control.h"
#include "shell/platform/tree_view.h"

namespace orrery::platform {
namespace {

using testing::Log;

DialogTemplate NameTemplate() {
  return {u"Nativity Input Data",
          kWorkArea,
          kDialogFullScreen | kDialogOkButton,
          {{ControlKind::Text, 0, u"Name:", {5, 5, 60, 20}},
           {ControlKind::Edit, 1018, u"", {60, 5, 230, 21}, 32},
           {ControlKind::Edit, 1019, u"19", {60, 25, 100, 41}, 5, 0, 0, kControlNumbers},
           {ControlKind::ComboBox, 1024, u"", {60, 45, 150, 61}},
           {ControlKind::Button, 1050, u"C", {200, 25, 230, 41}, 0, 0, 0, kControlDisabled},
           {ControlKind::Button, 1045, u"Cancel", {150, 220, 230, 240}}}};
}

// Logs its InitDialog (with what exists then) and the commands it gets.
class NameDialog : public Dialog {
 public:
  NameDialog(Log& log, DialogTemplate t = NameTemplate()) : Dialog(std::move(t)), log_(log) {}
  int OnMessage(const Message& m) override {
    if (m.type == MsgType::InitDialog) {
      log_.push_back(std::string("init, edit ") + (Child(1018) ? "exists" : "missing"));
      auto* sex = static_cast<ComboBox*>(Child(1024));
      for (auto s : {u"Neutral", u"Male", u"Female"}) sex->AddItem(s);
      sex->SetSelection(0);
    }
    if (m.type == MsgType::Command) {
      log_.push_back("command " + std::to_string(m.id));
      if (m.id == 1045) {
        End(kIdCancel);
        return 1;
      }
    }
    if (m.type == MsgType::Notify) log_.push_back("notify " + std::to_string(m.code));
    return Dialog::OnMessage(m);
  }
  int kill = 0;   // results of the page notifications
  int apply = 0;

 private:
  Log& log_;
};

struct DialogFixture : ::testing::Test {
  Log log;
  Desktop desktop;
  HeadlessHost host;
  Window& main = desktop.Add<Window>(0, kWorkArea);
  DialogFixture() {
    desktop.SetHost(&host);
    desktop.SetMainWindow(&main);
    AddDialogCommands(host);
  }
};

TEST_F(DialogFixture, TemplatesMakeTheControlsBeforeInitDialog) {
  host.SetScript("key tab\nkey tab\nkey enter\n");  // Enter on the combo box: OK
  EXPECT_EQ(RunDialog<NameDialog>(main, log), kIdOk);
  EXPECT_EQ(log, (Log{"init, edit exists", "command 1"}));
  // Enter on a focused push button presses that button.
  log.clear();
  host.SetScript("key tab\nkey tab\nkey tab\nkey enter\n");
  EXPECT_EQ(RunDialog<NameDialog>(main, log), kIdCancel);
  EXPECT_EQ(log, (Log{"init, edit exists", "command 1045"}));
}

TEST_F(DialogFixture, TabSkipsStaticAndDisabledControlsEnterAndEscapeEnd) {
  NameDialog& d = desktop.Add<NameDialog>(log);
  desktop.ProcessPending();
  EXPECT_EQ(desktop.Focus(), d.Child(1018));
  EXPECT_EQ(d.Frame(), kWorkArea);
  EXPECT_EQ(d.Text(), u"Nativity Input Data");
  std::vector<int> order;
  for (int i = 0; i < 4; ++i) {
    desktop.InjectKey(kKeyTab);
    desktop.ProcessPending();
    order.push_back(desktop.Focus()->Id());
  }
  EXPECT_EQ(order, (std::vector<int>{1019, 1024, 1045, 1018}));
  desktop.InjectKey(kKeyTab, kModShift);
  desktop.ProcessPending();
  EXPECT_EQ(desktop.Focus()->Id(), 1045);
  host.SetScript("key escape\n");
  EXPECT_EQ(desktop.RunModal(d), kIdCancel);
  d.Destroy();
}

TEST_F(DialogFixture, ScriptsTypeChooseAndClickAsAUser) {
  host.SetScript(
      "settext 1018 Jane  Doe\n"
      "settext 1019 1987x\n"
      "select 1024 2\n"
      "ok\n");
  NameDialog& d = desktop.Add<NameDialog>(log);
  EXPECT_EQ(desktop.RunModal(d), kIdOk);
  EXPECT_TRUE(host.Error().empty()) << host.Error();
  EXPECT_EQ(d.Child(1018)->Text(), u"Jane  Doe");
  EXPECT_EQ(d.Child(1019)->Text(), u"1987");  // a numbers-only field refused the x
  EXPECT_EQ(static_cast<ComboBox*>(d.Child(1024))->Selection(), 2);
  EXPECT_EQ(log, (Log{"init, edit exists", "command 1018", "command 1018", "command 1018", "command 1018",
                      "command 1018", "command 1018", "command 1018", "command 1018", "command 1018",
                      "command 1019", "command 1019", "command 1019", "command 1019", "command 1024",
                      "command 1"}));
  d.Destroy();
}

TEST_F(DialogFixture, ScriptErrorsNameTheMissingControl) {
  const struct {
    const char* script;
    const char* error;
  } cases[] = {{"click 4242\n", "script line 1: no control 4242"},
               {"settext 1024 x\n", "script line 1: no edit 1024"},
               {"select 1024 3\n", "script line 1: no item 3"},
               {"select 1018 0\n", "script line 1: no list, combo box or tree 1018"},
               {"expand 1024 0\n", "script line 1: no tree 1024"},
               {"page Place\n", "script line 1: no property sheet"},
               {"select 1024\n", "script line 1: select needs ID INDEX"}};
  for (const auto& c : cases) {
    Desktop d;
    HeadlessHost h;
    d.SetHost(&h);
    AddDialogCommands(h);
    h.SetScript(c.script);
    NameDialog& dialog = d.Add<NameDialog>(log);
    d.RunModal(dialog);
    EXPECT_EQ(h.Error(), c.error);
  }
}

TEST_F(DialogFixture, ListsAndTreesBySelectAndExpand) {
  struct Lists : Dialog {
    Lists()
        : Dialog(DialogTemplate{u"Chart select", kWorkArea, kDialogFullScreen | kDialogOkButton,
                                {{ControlKind::ListView, 1001, u"", {5, 5, 230, 85}},
                                 {ControlKind::TreeView, 1026, u"", {5, 90, 230, 170}}}}) {}
    int OnMessage(const Message& m) override {
      if (m.type == MsgType::InitDialog) {
        auto* list = static_cast<ListView*>(Child(1001));
        list->AddColumn(u"Name", 150);
        for (int i = 0; i < 12; ++i) list->AddRow({u"Chart"}, i * 10);
        auto* tree = static_cast<TreeView*>(Child(1026));
        tree->AddItem(kTreeRoot, u"Nothing selected");
        tree->AddItem(kTreeRoot, u"Europe", 5, true);
      }
      if (m.type == MsgType::Notify && m.code == kTreeExpanding) {
        auto* tree = static_cast<TreeView*>(Child(1026));
        for (int i = 0; i < 9; ++i) tree->AddItem(m.value, u"Country", 50 + i);
      }
      if (m.type == MsgType::Notify && m.code == kListDoubleTap) doubleTaps++;
      return Dialog::OnMessage(m);
    }
    int doubleTaps = 0;
  };
  host.SetScript("select 1001 10\nexpand 1026 1\nselect 1026 9\nok\n");
  Lists& d = desktop.Add<Lists>();
  EXPECT_EQ(desktop.RunModal(d), kIdOk);
  EXPECT_TRUE(host.Error().empty()) << host.Error();
  auto* list = static_cast<ListView*>(d.Child(1001));
  auto* tree = static_cast<TreeView*>(d.Child(1026));
  EXPECT_EQ(list->Selection(), 10);
  EXPECT_EQ(list->RowData(10), 100);
  EXPECT_EQ(tree->ItemData(tree->Selection()), 57);  // row 9: the eighth country
  EXPECT_EQ(d.doubleTaps, 0);
  // dtap on a visible row is a double tap.
  const Rect row = list->RowRect(list->TopRow());
  const Point p = list->ToScreen({row.left + 5, row.top + 5});
  host.SetScript("dtap " + std::to_string(p.x) + " " + std::to_string(p.y) + "\nok\n");
  desktop.RunModal(d);
  EXPECT_EQ(d.doubleTaps, 1);
  d.Destroy();
}

// A page that logs its notifications and answers with set results.
struct Page : Dialog {
  Page(std::string name, Log& log, DialogTemplate t) : Dialog(std::move(t)), name(std::move(name)), log(log) {}
  int OnMessage(const Message& m) override {
    if (m.type == MsgType::InitDialog) log.push_back(name + " init");
    if (m.type == MsgType::Notify && m.source == Parent()) {
      static const char* kNames[] = {"set", "kill", "apply", "reset"};
      log.push_back(name + " " + kNames[m.code - kPageSetActive]);
      if (m.code == kPageKillActive) return refuseLeave;
      if (m.code == kPageApply) return refuseApply;
      return 0;
    }
    return Dialog::OnMessage(m);
  }
  std::string name;
  Log& log;
  int refuseLeave = 0;
  int refuseApply = 0;
};

std::vector<PropertyPage> Pages(Log& log, Page** first, Page** second) {
  return {{u"Name",
           [&log, first] {
             auto p = std::make_unique<Page>("name", log, NameTemplate());
             *first = p.get();
             return p;
           }},
          {u"Place", [&log, second] {
             auto p = std::make_unique<Page>(
                 "place", log,
                 DialogTemplate{u"", {}, 0,
                                {{ControlKind::Toggle, 1032, u"N", {5, 5, 25, 21}, 0, 1},
                                 {ControlKind::Toggle, 1033, u"S", {26, 5, 46, 21}, 0, 1},
                                 {ControlKind::Edit, 1033 + 100, u"", {60, 5, 120, 21}}}});
             *second = p.get();
             return p;
           }}};
}

TEST_F(DialogFixture, PropertySheetsNotifyPagesAndMakeThemWhenFirstShown) {
  Page *name = nullptr, *place = nullptr;
  host.SetScript("page Place\nclick 1033\npage Name\nok\n");
  const int result = RunPropertySheet(main, u"Nativity Input Data", Pages(log, &name, &place));
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(host.Error().empty()) << host.Error();
  EXPECT_EQ(log, (Log{"name init", "name set", "name kill", "place init", "place set", "place kill", "name set",
                      "name kill", "name apply", "place apply"}));
}

TEST_F(DialogFixture, PagesMayRefuseToBeLeftOrApplied) {
  Page *name = nullptr, *place = nullptr;
  // The Name page refuses to be left until its flag is cleared by the test.
  host.AddCommand("refuse", [&](Desktop&, std::string_view what) -> std::string {
    if (what == "leave") name->refuseLeave = 1;
    if (what == "none") name->refuseLeave = name->refuseApply = 0;
    if (what == "apply") name->refuseApply = 1;
    return "";
  });
  host.SetScript(
      "refuse leave\npage Place\n"   // stays on Name
      "ok\n"                         // kill refused: the sheet stays
      "refuse none\nrefuse apply\nok\n"  // apply refused: stays
      "refuse none\ncancel\n");
  const int result = RunPropertySheet(main, u"Sheet", Pages(log, &name, &place));
  EXPECT_EQ(result, 0);
  EXPECT_EQ(place, nullptr);  // never shown, never made
  EXPECT_EQ(log, (Log{"name init", "name set", "name kill", "name kill", "name kill", "name apply", "name reset"}));
}

TEST_F(DialogFixture, APageButtonCancelsTheWholeSheet) {
  Page *name = nullptr, *place = nullptr;
  host.SetScript("click 1045\n");
  // The Name template's button 1045 ends the page dialog with kIdCancel,
  // which the sheet takes as its Cancel.
  std::vector<PropertyPage> pages = Pages(log, &name, &place);
  pages[0].create = [&] {
    struct P : Page {
      using Page::Page;
      int OnMessage(const Message& m) override {
        if (m.type == MsgType::Command && m.id == 1045) {
          End(kIdCancel);
          return 1;
        }
        return Page::OnMessage(m);
      }
    };
    auto p = std::make_unique<P>("name", log, NameTemplate());
    name = p.get();
    return std::unique_ptr<Dialog>(std::move(p));
  };
  EXPECT_EQ(RunPropertySheet(main, u"Sheet", std::move(pages)), 0);
  EXPECT_EQ(log.back(), "name reset");
}

TEST(DialogUnits, ScaleByTheFontsAverageWidthAndHeight) {
  const Font font;
  const Rect px = DialogUnitsToPixels({0, 0, 40, 16}, font);
  const int baseX = (font.Extent(u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz").width / 26 + 1) / 2;
  EXPECT_EQ(px.right, 10 * baseX);
  EXPECT_EQ(px.bottom, 2 * font.Height());
  EXPECT_GT(baseX, 2);
}

TEST(DialogTemplates, RegisteredByIdAndDisabledOrHiddenControls) {
  AddDialog(114, DialogTemplate{u"Caution !", {20, 100, 220, 180}, kDialogOkButton,
                                {{ControlKind::Text, 0, u"Please name the chart.", {30, 10, 190, 24}},
                                 {ControlKind::Button, 7, u"Hidden", {30, 40, 90, 56}, 0, 0, 0, kControlHidden}}});
  ASSERT_NE(FindDialog(114), nullptr);
  EXPECT_EQ(FindDialog(115), nullptr);
  Desktop desktop;
  Dialog& d = desktop.Add<Dialog>(114);
  EXPECT_EQ(d.Frame(), (Rect{20, 100, 220, 180}));
  EXPECT_TRUE(d.Style() & kStyleOkButton);
  ASSERT_NE(d.Child(7), nullptr);
  EXPECT_FALSE(d.Child(7)->Visible());
  EXPECT_NE(dynamic_cast<Static*>(d.Children()[0].get()), nullptr);
  Dialog& empty = desktop.Add<Dialog>(9999);
  EXPECT_TRUE(empty.Children().empty());
}

}  // namespace
}  // namespace orrery::platform
