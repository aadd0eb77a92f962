// Dialog templates as data: the controls of a dialog with their ids, texts
// and rectangles, registered by numeric id like the other resources.
//
// Rectangles are pixels in the dialog's own coordinates (a dialog frame is
// in screen pixels). Templates written in dialog units convert with
// DialogUnitsToPixels.
#pragma once

#include <string>
#include <vector>

#include "shell/platform/font.h"
#include "shell/platform/geometry.h"

namespace orrery::platform {

class Window;

enum class ControlKind {
  Text,           // Static text (flags: kAlignCentre or kAlignRight)
  Icon,           // Static icon: image = icon id
  Bitmap,         // Static bitmap: image = bitmap id
  Button,         // push button
  DefaultButton,  // push button drawn as the default
  CheckBox,
  Radio,          // group: radios of one group exclude each other
  Toggle,         // a push button that stays down while checked; grouped like radios
  Edit,           // limit: characters; flags: kControlNumbers, kControlReadOnly
  MultiLineEdit,  // read-only; limit: characters kept
  ComboBox,       // drop-down list
  ListView,       // report mode; flags: kControlNoHeader
  TreeView,
  TrackBar,
  MonthCalendar,
  ScrollBar,      // vertical
};

enum ControlFlag : unsigned {
  // bits 0..3 are the TextAlign flags of draw_context.h
  kControlNumbers = 16,
  kControlReadOnly = 32,
  kControlDisabled = 64,
  kControlHidden = 128,
  kControlNoHeader = 256,
};

struct ControlTemplate {
  ControlKind kind = ControlKind::Text;
  int id = 0;
  std::u16string text;
  Rect rect;
  int limit = 0;
  int group = 0;
  int image = 0;
  unsigned flags = 0;
};

enum DialogStyle : unsigned {
  kDialogFullScreen = 1,  // fills the work area below the navigation bar; frame ignored
  kDialogOkButton = 2,    // the navigation bar shows OK while it is active
};

struct DialogTemplate {
  std::u16string title;  // shown in the navigation bar
  Rect frame;            // screen pixels
  unsigned style = 0;
  std::vector<ControlTemplate> controls;
};

void AddDialog(int id, DialogTemplate dialog);
const DialogTemplate* FindDialog(int id);  // nullptr when not registered

// Makes the control a template describes as a child of parent.
Window& CreateControl(Window& parent, const ControlTemplate& t);

// A rectangle in dialog units in pixels: x by a quarter of the font's
// average character width, y by an eighth of its height.
Rect DialogUnitsToPixels(const Rect& units, const Font& font = Font());

}  // namespace orrery::platform
