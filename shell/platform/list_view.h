// List view in report mode: rows of one or more columns under an optional
// header, each row with an application value (item data); single
// selection; a scroll bar when the rows do not fit.
//
// Tapping a row selects it and sends Notify(kListSelChanged, row) when the
// selection changed; a second tap on the same row soon after (a double tap,
// see kDoubleTapMs) sends Notify(kListDoubleTap, row). Up and Down move the
// selection. The combo box uses one without header for its drop-down.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/platform/window.h"
#include "shell/platform/control.h"

namespace orrery::platform {

class ScrollBar;

// Two taps on the same row within this time count as a double tap.
inline constexpr uint32_t kDoubleTapMs = 500;

class ListView : public Window {
 public:
  static constexpr int kRowHeight = 16;

  ListView(int id, const Rect& frame, bool header = true);

  void AddColumn(std::u16string title, int width);
  // Appends a row; texts for the columns in order. Returns its index.
  int AddRow(std::vector<std::u16string> texts, intptr_t data = 0);
  bool RemoveRow(int row);
  void Clear();
  int RowCount() const { return int(rows_.size()); }
  const std::u16string& CellText(int row, int column) const;
  // The row's item data, or -1 when there is no such row.
  intptr_t RowData(int row) const;

  int Selection() const { return selected_; }
  // Selects a row (-1: none) without notifying and scrolls it into view.
  void SetSelection(int row);
  // Scrolls so that the row is visible.
  void EnsureVisible(int row);
  int TopRow() const { return top_; }
  // The row's rectangle in the list's coordinates (empty when scrolled out).
  Rect RowRect(int row) const;
  int VisibleRows() const;

  int OnMessage(const Message& m) override;

 private:
  struct Column {
    std::u16string title;
    int width;
  };
  struct Row {
    std::vector<std::u16string> texts;
    intptr_t data;
  };
  int HeaderHeight() const { return header_ ? kRowHeight + 2 : 0; }
  void UpdateScrollBar();
  void ScrollTo(int top);
  void Paint(class DrawContext& dc);
  void UserSelect(int row);

  bool header_;
  std::vector<Column> columns_;
  std::vector<Row> rows_;
  int selected_ = -1;
  int top_ = 0;
  ScrollBar* bar_ = nullptr;
  int lastTapRow_ = -1;
  uint32_t lastTapTime_ = 0;
};

}  // namespace orrery::platform
