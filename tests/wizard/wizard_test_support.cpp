#include "wizard_test_support.h"

#include <algorithm>
#include <charconv>

#include "golden_compare.h"
#include "shell/platform/button.h"
#include "shell/platform/combo_box.h"
#include "shell/platform/list_view.h"
#include "shell/platform/property_sheet.h"
#include "shell/platform/tree_view.h"
#include "foundation/wide_string.h"
#include "shell/program_events.h"
#include "shell/shell_ids.h"

namespace orrery::testing {

namespace {

std::string Observe(platform::Desktop& d) {
  platform::Window* active = d.ActiveWindow();
  auto* sheet = dynamic_cast<platform::PropertySheet*>(active);
  if (!sheet) return active ? ToUtf8(active->Text()) : "nothing";
  const platform::Window* focus = d.Focus();
  return ToUtf8(sheet->PageTitle(sheet->ActivePage())) + " " +
         std::to_string(focus ? focus->Id() : -1);
}

std::string Shown(const platform::Window& w) {
  std::u16string text = w.Text();
  if (auto* b = dynamic_cast<const platform::Button*>(&w)) text = b->Checked() ? u"on" : u"off";
  if (auto* c = dynamic_cast<const platform::ComboBox*>(&w)) text = c->ItemText(c->Selection());
  if (auto* l = dynamic_cast<const platform::ListView*>(&w)) text = l->CellText(l->Selection(), 0);
  if (auto* t = dynamic_cast<const platform::TreeView*>(&w)) text = t->ItemText(t->Selection());
  return (w.IsEnabled() ? "" : "disabled ") + ToUtf8(text);
}

std::string Note(platform::Desktop& d, std::string_view args, std::vector<std::string>& notes) {
  int id = 0;
  const auto [end, ec] = std::from_chars(args.data(), args.data() + args.size(), id);
  if (ec != std::errc() || end != args.data() + args.size()) return "note needs ID";
  platform::Window* active = d.ActiveWindow();
  auto* sheet = dynamic_cast<platform::PropertySheet*>(active);
  platform::Window* page = sheet ? sheet->Page(sheet->ActivePage()) : active;
  platform::Window* control = page ? page->Child(id) : nullptr;
  if (!control) return "no control " + std::to_string(id);
  notes.push_back(Shown(*control));
  return "";
}

}  // namespace

void WizardTest::SetUp() {
  DialogTest::SetUp();
  host_.AddCommand("observe", [this](platform::Desktop& d, std::string_view) {
    observed_.push_back(Observe(d));
    return std::string();
  });
  host_.AddCommand("note", [this](platform::Desktop& d, std::string_view args) { return Note(d, args, observed_); });
  host_.AddCommand("golden", [](platform::Desktop& d, std::string_view name) {
    ExpectMatchesGolden(d.Screen(), DialogGoldenDir() / "wizard", std::string(name) + ".png",
                        DialogOutputDir() / "wizard");
    return std::string();
  });
  eventFile_ = (home_.Path() / "events.txt").string();
  ASSERT_TRUE(StartEventLog(eventFile_));
}

void WizardTest::TearDown() {
  StopEventLog();
  DialogTest::TearDown();
}

void WizardTest::RunNew(const std::string& script) {
  Drive(script, [this] { Command(CmdNew); });
}

void WizardTest::RunEdit(const std::string& script) {
  Drive(script, [this] { Command(CmdEdit); });
}

std::vector<std::string> WizardTest::Events() const { return FileLines(eventFile_); }

bool WizardTest::Logged(const std::string& line) const {
  const std::vector<std::string> lines = Events();
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace orrery::testing
