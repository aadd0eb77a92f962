#include "shell/platform/dialog_script.h"

#include <charconv>
#include <string>

#include "foundation/wide_string.h"
#include "shell/platform/combo_box.h"
#include "shell/platform/combo_popup.h"
#include "shell/platform/desktop.h"
#include "shell/platform/edit.h"
#include "shell/platform/headless_host.h"
#include "shell/platform/list_view.h"
#include "shell/platform/nav_bar.h"
#include "shell/platform/property_sheet.h"
#include "shell/platform/tree_view.h"

namespace orrery::platform {

namespace {

// A shown window with this id inside root.
Window* FindShown(Window& root, int id) {
  for (auto& c : root.Children()) {
    if (!c->Visible()) continue;
    if (c->Id() == id) return c.get();
    if (Window* w = FindShown(*c, id)) return w;
  }
  return nullptr;
}

Window* FindControl(Desktop& d, int id) {
  Window* active = d.ActiveWindow();
  return active ? FindShown(*active, id) : nullptr;
}

Point Middle(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

void Tap(HeadlessHost& host, std::function<std::optional<Point>(Desktop&)> where) {
  auto point = std::make_shared<std::optional<Point>>();
  host.QueueEvent([where, point](Desktop& d) {
    *point = where(d);
    if (*point) d.InjectTap(MsgType::TapDown, **point);
  });
  host.QueueEvent([point](Desktop& d) {
    if (*point) d.InjectTap(MsgType::TapUp, **point);
  });
}

void TapControl(HeadlessHost& host, int id, std::function<std::optional<Rect>(Window&)> part) {
  Tap(host, [id, part](Desktop& d) -> std::optional<Point> {
    Window* w = FindControl(d, id);
    if (!w) return std::nullopt;
    const auto r = part(*w);
    if (!r || r->Empty()) return std::nullopt;
    return w->ToScreen(Middle(*r));
  });
}

void PressKey(HeadlessHost& host, int key, int modifiers = 0) {
  host.QueueEvent([key, modifiers](Desktop& d) { d.InjectKey(key, modifiers); });
}

// "ID REST": the id and the rest after one blank.
bool SplitId(std::string_view args, int& id, std::string_view& rest) {
  const size_t space = args.find(' ');
  const std::string_view first = args.substr(0, space);
  const auto [end, ec] = std::from_chars(first.data(), first.data() + first.size(), id);
  if (ec != std::errc() || end != first.data() + first.size()) return false;
  rest = space == std::string_view::npos ? std::string_view() : args.substr(space + 1);
  return true;
}

bool ParseIndex(std::string_view s, int& index) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), index);
  return ec == std::errc() && end == s.data() + s.size() && index >= 0;
}

std::string SetTextCommand(HeadlessHost& host, Desktop& d, std::string_view args) {
  int id = 0;
  std::string_view text;
  if (!SplitId(args, id, text)) return "settext needs ID STRING";
  if (!dynamic_cast<Edit*>(FindControl(d, id))) return "no edit " + std::to_string(id);
  TapControl(host, id, [](Window& w) { return std::optional<Rect>(w.ClientRect()); });
  PressKey(host, kKeyHome);
  PressKey(host, kKeyEnd, kModShift);
  const std::u16string typed = FromUtf8(text);
  if (typed.empty()) PressKey(host, kKeyDelete);
  for (char16_t c : typed) host.QueueEvent([c](Desktop& d) { d.InjectChar(c); });
  return "";
}

std::string SelectCommand(HeadlessHost& host, Desktop& d, std::string_view args, bool expand) {
  int id = 0, index = 0;
  std::string_view rest;
  const char* usage = expand ? "expand needs ID INDEX" : "select needs ID INDEX";
  if (!SplitId(args, id, rest) || !ParseIndex(rest, index)) return usage;
  Window* w = FindControl(d, id);
  if (auto* tree = dynamic_cast<TreeView*>(w)) {
    if (index >= int(tree->VisibleItems().size())) return "no row " + std::to_string(index);
    TapControl(host, id, [index, expand](Window& w) -> std::optional<Rect> {
      auto& t = static_cast<TreeView&>(w);
      t.EnsureVisible(index);
      if (!expand) {
        const Rect row = t.RowRect(index), box = t.BoxRect(index);
        return Rect{box.right + 3, row.top, std::min(row.right, box.right + 23), row.bottom};
      }
      const auto items = t.VisibleItems();
      if (index >= int(items.size()) || !t.HasBox(items[index]) || t.IsExpanded(items[index])) return std::nullopt;
      return t.BoxRect(index);
    });
    return "";
  }
  if (expand) return "no tree " + std::to_string(id);
  if (auto* list = dynamic_cast<ListView*>(w)) {
    if (index >= list->RowCount()) return "no row " + std::to_string(index);
    TapControl(host, id, [index](Window& w) -> std::optional<Rect> {
      auto& l = static_cast<ListView&>(w);
      l.EnsureVisible(index);
      return l.RowRect(index);
    });
    return "";
  }
  if (auto* combo = dynamic_cast<ComboBox*>(w)) {
    if (index >= combo->Count()) return "no item " + std::to_string(index);
    if (!combo->IsOpen()) TapControl(host, id, [](Window& w) { return std::optional<Rect>(w.ClientRect()); });
    Tap(host, [id, index](Desktop& d) -> std::optional<Point> {
      auto* c = dynamic_cast<ComboBox*>(FindControl(d, id));
      if (!c || !c->Popup()) return std::nullopt;
      ListView& l = c->Popup()->List();
      l.EnsureVisible(index);
      return l.ToScreen(Middle(l.RowRect(index)));
    });
    return "";
  }
  return "no list, combo box or tree " + std::to_string(id);
}

std::string PageCommand(HeadlessHost& host, Desktop& d, std::string_view args) {
  auto* sheet = dynamic_cast<PropertySheet*>(d.ActiveWindow());
  if (!sheet) return "no property sheet";
  const std::u16string title = FromUtf8(args);
  for (int i = 0; i < sheet->PageCount(); ++i) {
    if (sheet->PageTitle(i) != title) continue;
    Tap(host, [i](Desktop& d) -> std::optional<Point> {
      auto* s = dynamic_cast<PropertySheet*>(d.ActiveWindow());
      if (!s) return std::nullopt;
      return s->ToScreen(Middle(s->TabRect(i)));
    });
    return "";
  }
  return "no page '" + std::string(args) + "'";
}

}  // namespace

void AddDialogCommands(HeadlessHost& host) {
  host.AddCommand("settext", [&host](Desktop& d, std::string_view a) { return SetTextCommand(host, d, a); });
  host.AddCommand("click", [&host](Desktop& d, std::string_view a) -> std::string {
    int id = 0;
    std::string_view rest;
    if (!SplitId(a, id, rest) || !rest.empty()) return "click needs ID";
    if (!FindControl(d, id)) return "no control " + std::to_string(id);
    TapControl(host, id, [](Window& w) { return std::optional<Rect>(w.ClientRect()); });
    return "";
  });
  host.AddCommand("select", [&host](Desktop& d, std::string_view a) { return SelectCommand(host, d, a, false); });
  host.AddCommand("expand", [&host](Desktop& d, std::string_view a) { return SelectCommand(host, d, a, true); });
  host.AddCommand("page", [&host](Desktop& d, std::string_view a) { return PageCommand(host, d, a); });
  host.AddCommand("ok", [&host](Desktop& d, std::string_view) -> std::string {
    if (!d.ActiveWindow() || !(d.ActiveWindow()->Style() & kStyleOkButton)) return "no OK button";
    Tap(host, [](Desktop&) -> std::optional<Point> { return Middle(NavBar::kOkButton); });
    return "";
  });
  host.AddCommand("cancel", [&host](Desktop&, std::string_view) -> std::string {
    PressKey(host, kKeyEscape);
    return "";
  });
}

}  // namespace orrery::platform
