// The ChartStore: up to 200 user charts in memory, held in exactly the form
// of the chart file (a 16-byte header followed by 452-byte slots; see
// chart_slot_form.h), so that loading and saving copy bytes and both
// checksums cover the bytes as they stand.
//
// Header, little-endian:
//   0  format   100; written, not tested on load
//   4  checksum file checksum, bit 31 always 0
//   8  lastId   the highest id handed out so far; 5 in an empty store
//  12  changed  1 when a record was stored or a damaged one dropped since the
//               last load or save; written with its current value, never read
//
// Ids: 0..4 name the built-in sample charts (any id below 5 counts as one),
// stored charts have ids of 6 and above, id 0 marks a free slot.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "store/chart_slot_form.h"

namespace orrery {

inline constexpr int StoreSlotCount = 200;
inline constexpr int ChartHeaderBytes = 16;
inline constexpr int ChartFileFormat = 100;
inline constexpr int LastSampleId = 4;
// Header plus every slot: the longest chart file, 90416 bytes.
inline constexpr int ChartImageBytes = ChartHeaderBytes + ChartSlotBytes * StoreSlotCount;

struct ChartStore {
  std::array<std::uint8_t, ChartImageBytes> image;

  std::uint8_t* Slot(int index) { return image.data() + ChartHeaderBytes + ChartSlotBytes * index; }
  const std::uint8_t* Slot(int index) const {
    return image.data() + ChartHeaderBytes + ChartSlotBytes * index;
  }
  std::int32_t IdAt(int index) const { return SlotId(Slot(index)); }
  std::int32_t LastId() const { return GetI32(image.data() + 8); }
  void SetLastId(std::int32_t id) { PutI32(image.data() + 8, id); }
  std::uint32_t Checksum() const { return GetU32(image.data() + 4); }
  std::uint32_t Changed() const { return GetU32(image.data() + 12); }
  void SetChanged(std::uint32_t changed) { PutU32(image.data() + 12, changed); }
};

// The one ChartStore of the program.
extern ChartStore chartStore;

// format 100, checksum 0, lastId 5, changed 0, every slot cleared.
void ResetChartStore(ChartStore& store);
// Resets the store, then copies the bytes of a chart file over its front: a
// longer input only to ChartImageBytes, a shorter one leaves the rest as reset.
void FillChartStore(ChartStore& store, const std::uint8_t* bytes, std::size_t size);
// The 452 bytes of the slot become zero; an index outside 0..199 is ignored.
void ClearSlot(ChartStore& store, int index);
// Moves charts forward into free slots: each free slot, in order, takes the
// chart from the last slot behind it, so charts fill slots 0..k-1 afterwards
// (the order of charts after a gap changes).
void CompactChartStore(ChartStore& store);
// The number of slots the file holds: the index of the last slot with an id
// of 1 or more, plus one; at least 1.
int FileSlotCount(const ChartStore& store);
// The 31-bit file checksum over the first 16 + 452 x slotCount bytes.
std::uint32_t FileChecksum(const ChartStore& store, int slotCount);

// Index of the first slot whose id equals id, or -1.
int FindSlot(std::int32_t id);
// The id the next new chart gets: one above lastId and the sample ids.
std::int32_t NextChartId();
// Clears the first free slot and gives it that id (lastId rises to it);
// the slot's index, or -1 when none is free.
int TakeSlot(std::int32_t id);
// Takes the first free slot for a new chart with NextChartId; that id, or
// -1 when no slot is free or no id is left.
std::int32_t NewChartId();
// Writes the record into slot index with its record check (changed = 1).
void PutChart(int index, const ChartRecord& record);
// Copies the current ChartRecord into the slot with that id and sets its
// record check; pushes 604 when no slot has that id.
bool StoreChart(std::int32_t id);
// Copies the slot with that id into the current ChartRecord; pushes 605 and
// leaves the record alone when no slot has that id.
bool FetchChart(std::int32_t id);
// Frees the slot with that id, in memory only; false when there is none.
// The user's deletions go through RemoveChart (chart_changes.h), which also
// writes the chart file.
bool DeleteChart(std::int32_t id);
// The number of slots with an id of 1 or more.
int CountCharts();
// The id in slot index when index is 0..199 and the id is 1 or more, else -1.
std::int32_t ChartIdAt(int index);
// Whether NewChartId would succeed.
bool HasFreeSlot();
// How many new charts fit: the free slots, or 0 when no id is left.
int FreeChartSlots();
// Whether id names a built-in sample chart: every id below 5.
bool IsSampleChart(std::int32_t id);

}  // namespace orrery
