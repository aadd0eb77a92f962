#include "atlas/atlas_open.h"

#include "atlas/atlas_cursor.h"
#include "atlas/atlas_data.h"
#include "foundation/error_log.h"

namespace orrery {

AtlasCursor atlasCursor;

namespace {

constexpr std::uint32_t StreamElement = 0;
constexpr std::uint32_t CityIndexElement = 242;

struct AtlasSource {
  std::span<const std::uint8_t> blob;
  const char16_t* charTable;
  bool embedded;
};

AtlasSource source{{}, nullptr, true};
AtlasLayout layout;

// Whether a whole city record with a country number starts at position.
bool CityRecordFits(const AtlasStream& stream, std::int32_t position) {
  if (position <= 0) return false;
  std::uint32_t country = ReadNumber(stream, position, 3) & 0xFF;
  std::int64_t end = std::int64_t{position} + CityRecordUnits(position);
  return country >= 1 && country <= AtlasCountries && end <= stream.unitCount;
}

// First and last city, index length and city count, from the ends of the
// CityIndex; all stay 0 when the index names no whole record.
void DeriveCityLayout() {
  std::int32_t k = static_cast<std::int32_t>(layout.cityIndexCount) - 1;
  while (k >= 0 && !CityRecordFits(layout.stream, CityIndexEntry(k))) --k;
  const std::int32_t first = CityIndexEntry(0);
  if (k < 0 || !CityRecordFits(layout.stream, first)) return;
  // The searches trust the index to rise: a damaged one means no cities.
  for (std::int32_t i = 1; i <= k; ++i) {
    if (CityIndexEntry(i) <= CityIndexEntry(i - 1)) return;
  }
  std::int32_t position = CityIndexEntry(k);
  std::int32_t count = k * CityIndexStep;
  for (int i = 0; i < CityIndexStep && CityRecordFits(layout.stream, position); ++i) {
    layout.lastCity = position;
    ++count;
    position += CityRecordUnits(position);
  }
  layout.firstCity = first;
  layout.indexLength = k + 1;
  layout.cityCount = count;
}

int Fail(int code) {
  layout = AtlasLayout{};
  return PushError(code);
}

}  // namespace

void UseAtlasData(std::span<const std::uint8_t> blob, const char16_t* charTable) {
  source = {blob, charTable, false};
}

void UseEmbeddedAtlas() { source = {{}, nullptr, true}; }

int OpenAtlas() {
  atlasCursor = AtlasCursor{};
  layout = AtlasLayout{};
  std::span<const std::uint8_t> blob = source.embedded ? EmbeddedAtlasBlob() : source.blob;
  const char16_t* charTable = source.embedded ? AtlasCharTable : source.charTable;
  layout.heap = MakeAtlasHeap(blob);
  layout.root = AtlasRoot(layout.heap);
  if (!IsVector(layout.heap, layout.root) || VectorCount(layout.heap, layout.root) == 0) {
    return Fail(AtlasRootInvalid);
  }
  if (VectorCount(layout.heap, layout.root) != AtlasRootElements) return Fail(AtlasRootSizeWrong);
  AtlasValue streamString = VectorElement(layout.heap, layout.root, StreamElement);
  if (!IsString(layout.heap, streamString)) return Fail(AtlasStreamNotString);
  if (StringData(layout.heap, streamString) == 0) return Fail(AtlasStreamEmpty);
  layout.cityIndex = VectorElement(layout.heap, layout.root, CityIndexElement);
  if (!IsVector(layout.heap, layout.cityIndex)) return Fail(AtlasIndexInvalid);
  layout.cityIndexCount = VectorCount(layout.heap, layout.cityIndex);
  layout.cityIndexItems = VectorItems(layout.heap, layout.cityIndex);
  layout.stream = MakeAtlasStream(layout.heap, streamString, charTable);
  layout.blobBytes = static_cast<std::uint32_t>(blob.size());
  DeriveCityLayout();
  atlasCursor.position = layout.firstCity;
  return 0;
}

void CloseAtlas() {}

const AtlasLayout& OpenedAtlas() { return layout; }

std::int32_t CityIndexEntry(std::int32_t k) {
  if (k < 0 || static_cast<std::uint32_t>(k) >= layout.cityIndexCount) return 0;
  return static_cast<std::int32_t>(
      ReadHeapNumber(layout.heap, layout.cityIndexItems + 3 * static_cast<std::uint32_t>(k), 3));
}

std::int32_t CityRecordUnits(std::int32_t position) {
  return CityFieldUnits + PackedStringUnits(layout.stream, position + CityFieldUnits);
}

}  // namespace orrery
