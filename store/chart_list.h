// Moving charts between the store, the current ChartRecord and the chart
// slots: loading, committing, the start chart, and showing a slot.
//
// Slot 0 holds the chart the user chose, slot 1 the chart of the present
// moment (present_chart.h). Every commit that stores a chart saves it at
// once (chart_changes.h).
#pragma once

#include <cstdint>

namespace orrery {

enum CommitMode : int { CommitShow = 0, CommitNew = 1, CommitEdit = 2 };

// A sample chart for every id below 5, else the stored chart (false, with
// 605 pushed, when there is none).
bool LoadChart(std::int32_t id);

// Makes the current ChartRecord the natal chart on show (slot 0) and shows
// it recomputed. CommitNew stores it under a new id; CommitEdit stores it
// under its own id unless it is a sample chart. A stored chart is saved at
// once; 604 stays on the error log when no slot was free (the chart is
// shown but not stored), 601 when the save failed (the change waits).
void CommitChart(int mode);

// The start-up choice, with the id remembered in the settings: a sample for
// a sample id, else the stored chart, else sample 0; then CommitChart(show).
void ChooseStartChart(std::int32_t id);

// Makes slot (0..3; anything else means 0) the one on show. With recompute
// the chart is computed and the BodyTable kept in the slot; without, the
// slot's BodyTable comes back. Then the chart-change hook runs.
void ShowSlot(int slot, bool recompute);

// The shell's refresh after the chart on show changed (views, menus, view
// state); none until the shell sets it.
void SetChartChangeHook(void (*hook)());

}  // namespace orrery
