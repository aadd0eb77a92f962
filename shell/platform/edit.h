// Single-line edit control (ES_AUTOHSCROLL): text with a character limit,
// a caret and a selection.
//
// Tapping puts the caret at the nearest character boundary; Left, Right,
// Home and End move it (with Shift they extend the selection); typing
// replaces the selection; Backspace and Delete remove the selection or one
// character. Getting the focus from the keyboard (Tab) selects everything.
// Characters past the limit are refused; a numbers-only edit refuses
// everything but digits. After each change made by the user the parent gets
// Command(id, kEditChanged); SetText by the program sends nothing. The caret
// is a steady line (no blinking: the screen only changes on input).
#pragma once

#include <string_view>

#include "shell/platform/window.h"
#include "shell/platform/control.h"

namespace orrery::platform {

class Edit : public Window {
 public:
  // limit: most characters the user may type (0: no limit).
  Edit(int id, const Rect& frame, int limit = 0, bool numbersOnly = false);

  int Limit() const { return limit_; }
  void SetLimit(int limit) { limit_ = limit; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool ReadOnly() const { return readOnly_; }

  // Caret and selection in UTF-16 units; the caret is one end of the selection.
  int Caret() const { return caret_; }
  int SelectionStart() const { return std::min(anchor_, caret_); }
  int SelectionEnd() const { return std::max(anchor_, caret_); }
  void Select(int start, int end);  // end is where the caret goes
  void SelectAll() { Select(0, int(Text().size())); }

  int OnMessage(const Message& m) override;

 private:
  void Paint(class DrawContext& dc);
  void Clamp();
  void ReplaceSelection(std::u16string_view with);
  void MoveCaret(int to, bool extend);
  int IndexAt(int x) const;
  void ScrollToCaret();

  int limit_;
  bool numbersOnly_;
  bool readOnly_ = false;
  int caret_ = 0;
  int anchor_ = 0;
  int scroll_ = 0;  // pixels of text hidden at the left
  bool tapped_ = false;
};

}  // namespace orrery::platform
