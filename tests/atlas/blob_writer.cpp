#include "blob_writer.h"

#include <algorithm>
#include <array>

#include "atlas/name_normalise.h"

namespace orrery::testing {

namespace {

constexpr int TableUnits = 267;

std::array<char16_t, TableUnits + 1> MakeTable() {
  std::array<char16_t, TableUnits + 1> t{};
  int i = 0;
  for (char16_t c = u'a'; c <= u'z'; ++c) t[i++] = c;
  for (char16_t c : u" -.'") {
    if (c != 0) t[i++] = c;
  }
  for (char16_t c = u'A'; c <= u'Z'; ++c) t[i++] = c;
  for (char16_t c : u"0123") {
    if (c != 0) t[i++] = c;
  }
  for (char16_t c : u"ÄÖÜäöüßéèêàâçñõãÉøæœıłİŞşȘșțẞ()") {
    if (c != 0 && i < TableUnits) t[i++] = c;
  }
  return t;
}

const std::array<char16_t, TableUnits + 1> table = MakeTable();

int CodeOf(char16_t c) {
  for (int i = 0; i < TableUnits; ++i) {
    if (table[i] == c) return i;
  }
  return -1;
}

std::uint32_t Integer(std::int64_t v) {
  std::uint32_t magnitude = static_cast<std::uint32_t>(v < 0 ? -v : v);
  return 0x400000 | magnitude | (v < 0 ? 0x200000 : 0);
}

std::int32_t WriteBlock(StreamWriter& s, const StreamWriter& rules) {
  if (rules.Empty()) return 0;
  std::int32_t at = s.Position();
  s.Number(static_cast<std::uint32_t>(4 + rules.Position()), 4);
  s.Append(rules);
  return at;
}

}  // namespace

const char16_t* TestCharTable() { return table.data(); }

void StreamWriter::Unit(int u) { units_.push_back(static_cast<std::uint8_t>(u & 31)); }

void StreamWriter::Number(std::uint32_t value, int units) {
  for (int i = units - 1; i >= 0; --i) Unit(static_cast<int>(value >> (5 * i)));
}

std::int32_t StreamWriter::String(std::u16string_view text) {
  std::int32_t at = Position();
  std::vector<std::uint8_t> codes;
  for (char16_t c : text) {
    int code = CodeOf(c);
    if (code < 0) continue;
    if (code < 30) {
      codes.push_back(static_cast<std::uint8_t>(code));
    } else if (code < 62) {
      codes.push_back(30);
      codes.push_back(static_cast<std::uint8_t>(code - 30));
    } else {
      codes.push_back(31);
      codes.push_back(static_cast<std::uint8_t>((code - 62) >> 5));
      codes.push_back(static_cast<std::uint8_t>((code - 62) & 31));
    }
  }
  int length = static_cast<int>(codes.size());
  if (length < 31) {
    Unit(length);
  } else {
    Unit(31);
    Number(static_cast<std::uint32_t>(length - 30), 2);
  }
  for (std::uint8_t c : codes) Unit(c);
  return at;
}

std::int32_t StreamWriter::BackReference(std::int32_t target) {
  std::int32_t at = Position();
  Number(1023, 2);
  Number(static_cast<std::uint32_t>(at - target), 2);
  return at;
}

void StreamWriter::DateRule(int type, int year, int month, int day) {
  Unit(type);
  Number(PackDate(year, month, day), 4);
}

void StreamWriter::PeriodRule(int type, int fromYear, int fromMonth, int fromDay, int fromHour,
                              int fromMinute, int toYear, int toMonth, int toDay, int toHour,
                              int toMinute, std::uint32_t value) {
  Unit(type);
  Number(PackDate(fromYear, fromMonth, fromDay), 4);
  Number(PackCorrection(fromHour, fromMinute, true), 3);
  Number(PackDate(toYear, toMonth, toDay), 4);
  Number(PackCorrection(toHour, toMinute, true), 3);
  Number(value, 3);
}

void StreamWriter::Append(const StreamWriter& other) {
  units_.insert(units_.end(), other.units_.begin(), other.units_.end());
}

std::vector<std::uint8_t> StreamWriter::Bytes() const {
  std::size_t bits = units_.size() * 5;
  std::size_t bytes = (bits + 15) / 16 * 2;
  std::vector<std::uint8_t> out(bytes, 0);
  for (std::size_t u = 0; u < units_.size(); ++u) {
    for (int b = 0; b < 5; ++b) {
      if ((units_[u] >> (4 - b)) & 1) {
        std::size_t bit = u * 5 + b;
        out[bit / 8] |= static_cast<std::uint8_t>(0x80 >> (bit % 8));
      }
    }
  }
  return out;
}

std::uint32_t PackCoordinate(int degrees, int minutes, bool positive) {
  return static_cast<std::uint32_t>((degrees << 6) | minutes | (positive ? 0 : 0x4000));
}

std::uint32_t PackCorrection(int hours, int minutes, bool plus) {
  return static_cast<std::uint32_t>((hours << 6) | minutes | (plus ? 0 : 0x4000));
}

std::uint32_t PackDate(int year, int month, int day) {
  return static_cast<std::uint32_t>((year << 9) | (month << 5) | day);
}

HeapWriter::HeapWriter() : bytes_(6, 0) {}

void HeapWriter::Number(std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t HeapWriter::Vector(const std::vector<std::uint32_t>& elements) {
  std::uint32_t at = Offset();
  if (elements.size() <= 255) {
    Byte(8);
    Number(static_cast<std::uint32_t>(elements.size()), 1);
  } else {
    Byte(12);
    Number(static_cast<std::uint32_t>(elements.size()), 3);
  }
  for (std::uint32_t e : elements) Number(e, 3);
  return 0x800000 | at;
}

std::uint32_t HeapWriter::String(const std::vector<std::uint8_t>& utf16BigEndianBytes) {
  std::uint32_t at = Offset();
  std::uint32_t length = static_cast<std::uint32_t>(utf16BigEndianBytes.size() / 2);
  if (length <= 255) {
    Byte(32);
    Number(length, 1);
  } else {
    Byte(48);
    Number(length, 3);
  }
  bytes_.insert(bytes_.end(), utf16BigEndianBytes.begin(), utf16BigEndianBytes.end());
  return 0x800000 | at;
}

void HeapWriter::Patch(std::uint32_t offset, std::uint32_t value) {
  for (int i = 0; i < 3; ++i) bytes_[offset + i] = static_cast<std::uint8_t>(value >> (8 * (2 - i)));
}

std::vector<std::uint8_t> HeapWriter::Finish() {
  std::uint32_t length = Offset();
  for (int i = 0; i < 3; ++i) bytes_[3 + i] = static_cast<std::uint8_t>(length >> (8 * (2 - i)));
  return bytes_;
}

BuiltAtlas BuildAtlas(AtlasPlan plan) {
  StreamWriter s;
  s.Unit(0);  // position 0 means "no name"
  struct Written {
    std::int32_t name, rules;
    std::vector<std::pair<std::int32_t, std::int32_t>> provinces;
  };
  std::vector<Written> written;
  for (const CountryPlan& c : plan.countries) {
    Written w{s.String(c.name), WriteBlock(s, c.rules), {}};
    for (const ProvincePlan& p : c.provinces) {
      std::int32_t name = s.String(p.name);
      w.provinces.emplace_back(name, WriteBlock(s, p.rules));
    }
    written.push_back(w);
  }
  if (plan.sortCities) {
    std::stable_sort(plan.cities.begin(), plan.cities.end(),
                     [](const CityPlan& a, const CityPlan& b) {
                       return Normalised(a.name.c_str()).View() < Normalised(b.name.c_str()).View();
                     });
  }
  BuiltAtlas built;
  built.cities = plan.cities;
  for (const CityPlan& c : plan.cities) {
    built.cityPositions.push_back(s.Position());
    s.Number(static_cast<std::uint32_t>(c.country | (c.province << 8)), 3);
    s.Number(PackCoordinate(c.latDegrees, c.latMinutes, c.north), 3);
    s.Number(PackCoordinate(c.lonDegrees, c.lonMinutes, c.east), 3);
    s.String(c.name);
  }

  HeapWriter h;
  std::vector<std::uint32_t> rootElements(243, 0);
  std::uint32_t root = h.Vector(rootElements);
  std::uint32_t rootItems = (root & 0x7FFFFF) + 2;
  for (std::size_t i = 0; i < plan.countries.size(); ++i) {
    const CountryPlan& c = plan.countries[i];
    std::uint32_t provinces = 0;
    if (!c.provinces.empty()) {
      std::vector<std::uint32_t> entries{0};
      for (auto [name, rules] : written[i].provinces) {
        entries.push_back(h.Vector({Integer(name), Integer(rules)}));
      }
      provinces = h.Vector(entries);
    }
    std::uint32_t entry =
        h.Vector({Integer(c.region), Integer(written[i].name), provinces, Integer(written[i].rules)});
    h.Patch(rootItems + 3 * static_cast<std::uint32_t>(c.number), entry);
  }
  h.Patch(rootItems, h.String(s.Bytes()));
  std::vector<std::uint32_t> index;
  for (std::size_t i = 0; i < built.cityPositions.size(); i += 10) {
    index.push_back(static_cast<std::uint32_t>(built.cityPositions[i]));
  }
  index.push_back(0);  // an unused trailing entry
  h.Patch(rootItems + 3 * 242, h.Vector(index));
  built.blob = h.Finish();
  return built;
}

}  // namespace orrery::testing
