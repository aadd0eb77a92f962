#include "store/chart_file_check.h"

#include <memory>
#include <set>

#include "store/chart_store.h"

namespace orrery {

namespace {

struct TextField {
  const char* name;
  int offset;
  int units;
};

constexpr TextField textFields[] = {{"name", SlotNameOffset, RecordNameUnits},
                                     {"country", SlotCountryOffset, RecordCountryUnits},
                                     {"state", SlotStateOffset, RecordStateUnits},
                                     {"city", SlotCityOffset, RecordCityUnits}};

bool TextTerminated(const std::uint8_t* slot, const TextField& field) {
  for (int i = 0; i < field.units; ++i) {
    if (GetU16(slot + field.offset + 2 * i) == 0) return true;
  }
  return false;
}

void InspectSlots(const ChartStore& store, std::size_t size, ChartFileReport& report) {
  std::set<std::int32_t> seen;
  for (int i = 0; i < report.slotCount; ++i) {
    const std::uint8_t* slot = store.Slot(i);
    std::int32_t id = SlotId(slot);
    if (id == 0) continue;
    auto note = [&](const std::string& what) { report.problems.push_back({i, id, what}); };
    if (ChartHeaderBytes + ChartSlotBytes * static_cast<std::size_t>(i + 1) > size) {
      note("the file ends inside this record");
    }
    if (!RecordCheckMatches(slot)) {
      if (report.checksumValid) {
        note("record check does not match (kept: the file checksum is valid)");
      } else {
        note("record check does not match: a load drops this record");
        ++report.droppedByRepair;
      }
    }
    if (id <= LastSampleId + 1) note("id " + std::to_string(id) + " is no stored chart's id");
    if (!seen.insert(id).second) note("id " + std::to_string(id) + " appears twice");
    for (const TextField& field : textFields) {
      if (!TextTerminated(slot, field)) note(std::string(field.name) + " has no terminating NUL");
    }
  }
}

}  // namespace

ChartFileReport InspectChartFile(const std::uint8_t* bytes, std::size_t size) {
  auto store = std::make_unique<ChartStore>();
  FillChartStore(*store, bytes, size);

  ChartFileReport report;
  report.size = size;
  report.slotCount = FileSlotCount(*store);
  report.checksumValid = FileChecksum(*store, report.slotCount) == store->Checksum();
  std::size_t expected =
      ChartHeaderBytes + ChartSlotBytes * static_cast<std::size_t>(report.slotCount);
  if (!report.checksumValid) report.problems.push_back({-1, 0, "file checksum does not match"});
  if (size != expected) {
    report.problems.push_back({-1, 0,
                               "file is " + std::to_string(size) + " bytes, " +
                                   std::to_string(expected) + " expected for its records"});
  }
  InspectSlots(*store, size, report);
  return report;
}

}  // namespace orrery
