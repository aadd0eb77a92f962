#include "shell/platform/dialog_template.h"

#include <map>

#include "shell/platform/button.h"
#include "shell/platform/combo_box.h"
#include "shell/platform/edit.h"
#include "shell/platform/list_view.h"
#include "shell/platform/month_calendar.h"
#include "shell/platform/multiline_edit.h"
#include "shell/platform/resources.h"
#include "shell/platform/scroll_bar.h"
#include "shell/platform/static_control.h"
#include "shell/platform/track_bar.h"
#include "shell/platform/tree_view.h"

namespace orrery::platform {

namespace {

std::map<int, DialogTemplate>& Dialogs() {
  static std::map<int, DialogTemplate> table;
  return table;
}

Image ResourceImage(const Image* image) { return image ? *image : Image(); }

Window& Make(Window& parent, const ControlTemplate& t) {
  const Rect& r = t.rect;
  switch (t.kind) {
    case ControlKind::Text:
      return parent.Add<Static>(t.id, r, t.text, t.flags & 15);
    case ControlKind::Icon:
      return parent.Add<Static>(t.id, r, ResourceImage(FindIcon(t.image)));
    case ControlKind::Bitmap:
      return parent.Add<Static>(t.id, r, ResourceImage(FindBitmap(t.image)));
    case ControlKind::Button:
      return parent.Add<Button>(t.id, r, t.text, ButtonKind::Push, t.group);
    case ControlKind::DefaultButton:
      return parent.Add<Button>(t.id, r, t.text, ButtonKind::Default, t.group);
    case ControlKind::CheckBox:
      return parent.Add<Button>(t.id, r, t.text, ButtonKind::CheckBox, t.group);
    case ControlKind::Radio:
      return parent.Add<Button>(t.id, r, t.text, ButtonKind::Radio, t.group);
    case ControlKind::Toggle:
      return parent.Add<Button>(t.id, r, t.text, ButtonKind::Toggle, t.group);
    case ControlKind::Edit: {
      Edit& e = parent.Add<Edit>(t.id, r, t.limit, (t.flags & kControlNumbers) != 0);
      e.SetReadOnly((t.flags & kControlReadOnly) != 0);
      e.SetText(t.text);
      return e;
    }
    case ControlKind::MultiLineEdit: {
      MultiLineEdit& e = parent.Add<MultiLineEdit>(t.id, r);
      e.SetLimit(t.limit);
      e.SetContent(t.text);
      return e;
    }
    case ControlKind::ComboBox:
      return parent.Add<ComboBox>(t.id, r);
    case ControlKind::ListView:
      return parent.Add<ListView>(t.id, r, (t.flags & kControlNoHeader) == 0);
    case ControlKind::TreeView:
      return parent.Add<TreeView>(t.id, r);
    case ControlKind::TrackBar:
      return parent.Add<TrackBar>(t.id, r);
    case ControlKind::MonthCalendar:
      return parent.Add<MonthCalendar>(t.id, r);
    case ControlKind::ScrollBar:
      return parent.Add<ScrollBar>(t.id, r);
  }
  return parent.Add<Static>(t.id, r, t.text);
}

}  // namespace

void AddDialog(int id, DialogTemplate dialog) { Dialogs()[id] = std::move(dialog); }

const DialogTemplate* FindDialog(int id) {
  auto it = Dialogs().find(id);
  return it == Dialogs().end() ? nullptr : &it->second;
}

Window& CreateControl(Window& parent, const ControlTemplate& t) {
  Window& w = Make(parent, t);
  if (t.flags & kControlDisabled) w.Enable(false);
  if (t.flags & kControlHidden) w.Show(false);
  return w;
}

Rect DialogUnitsToPixels(const Rect& units, const Font& font) {
  // The average width of the letters, rounded (GDI's dialog base unit).
  const std::u16string_view letters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  const int baseX = (font.Extent(letters).width / 26 + 1) / 2;
  const int baseY = font.Height();
  auto x = [&](int v) { return v * baseX / 4; };
  auto y = [&](int v) { return v * baseY / 8; };
  return {x(units.left), y(units.top), x(units.right), y(units.bottom)};
}

}  // namespace orrery::platform
