// Property sheet (PropertySheetW): a full-screen window with one page at a
// time and a row of tabs along its bottom, one per page.
//
// Pages are dialogs, made when first shown. Each page is told, through
// Notify(sheet, 0, code, page index) with the codes of control.h:
//   kPageSetActive  before it is shown;
//   kPageKillActive before another page is shown or the sheet is accepted
//                   (a nonzero result keeps the page);
//   kPageApply      on OK, to every page made so far, in order (a nonzero
//                   result keeps the sheet open);
//   kPageReset      on Cancel, to every page made so far.
// OK is the navigation bar's OK (Command kIdOk, also Enter in a page);
// Cancel is Command kIdCancel (Escape, or a page's own Cancel button via
// Dialog::End). The modal loop ends with 1 after OK, 0 after Cancel.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/platform/dialog.h"
#include "shell/platform/control.h"

namespace orrery::platform {

struct PropertyPage {
  std::u16string title;
  std::function<std::unique_ptr<Dialog>()> create;
};

class PropertySheet : public Window {
 public:
  static constexpr int kTabHeight = 20;

  PropertySheet(std::u16string title, std::vector<PropertyPage> pages, int startPage = 0);

  int PageCount() const { return int(pages_.size()); }
  int ActivePage() const { return active_; }
  const std::u16string& PageTitle(int index) const;
  // The page's dialog, nullptr before it was first shown.
  Dialog* Page(int index) const;
  // Shows another page, as tapping its tab does: false when the current
  // page refused to be left or the index is out of range.
  bool SetActivePage(int index);
  Rect TabRect(int index) const;  // in the sheet's coordinates
  Rect PageArea() const;

  void Accept();
  void Cancel();

  int OnMessage(const Message& m) override;

 private:
  struct Entry {
    PropertyPage page;
    Dialog* dialog = nullptr;
  };
  int Notify(int index, int code);
  void Paint(class DrawContext& dc);

  std::vector<Entry> pages_;
  int active_ = -1;
  int startPage_;
};

// Runs a sheet modally with owner; 1 after OK, 0 after Cancel (-1 when the
// program quit meanwhile).
int RunPropertySheet(Window& owner, std::u16string title, std::vector<PropertyPage> pages, int startPage = 0);

}  // namespace orrery::platform
