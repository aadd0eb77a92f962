// The packed format: heap objects and values, stream units, packed strings
// with back-references and character codes, and the packed fields.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "atlas/atlas_heap.h"
#include "atlas/atlas_stream.h"
#include "blob_writer.h"

namespace orrery {
namespace {

using testing::HeapWriter;
using testing::StreamWriter;
using testing::TestCharTable;

AtlasStream StreamOver(const std::vector<std::uint8_t>& bytes) {
  return {bytes.data(), static_cast<std::int32_t>(bytes.size() * 8 / 5), TestCharTable()};
}

std::u16string Unpack(const AtlasStream& stream, std::int32_t position, int* units = nullptr,
                      int capacity = 64) {
  std::vector<char16_t> buffer(static_cast<std::size_t>(capacity) + 1, u'#');
  int used = ReadPackedString(stream, position, buffer.data(), capacity);
  if (units != nullptr) *units = used;
  return buffer.data();
}

TEST(AtlasStream, UnitsSpanBytesFromTheMostSignificantBit) {
  // 10110 011|01 00111 0|1010 1111
  const std::vector<std::uint8_t> bytes{0xB3, 0x4E, 0xAF};
  AtlasStream s = StreamOver(bytes);
  EXPECT_EQ(s.unitCount, 4);
  EXPECT_EQ(ReadUnit(s, 0), 0b10110);
  EXPECT_EQ(ReadUnit(s, 1), 0b01101);  // low three bits of byte 0, top two of byte 1
  EXPECT_EQ(ReadUnit(s, 2), 0b00111);
  EXPECT_EQ(ReadUnit(s, 3), 0b01010);
  EXPECT_EQ(ReadNumber(s, 0, 2), 0b1011001101u);
  EXPECT_EQ(ReadNumber(s, 1, 3), 0b011010011101010u);
  // Outside the stream every unit reads 0, also the partial fifth unit.
  EXPECT_EQ(ReadUnit(s, 4), 0);
  EXPECT_EQ(ReadUnit(s, -1), 0);
  EXPECT_EQ(ReadNumber(s, 3, 6), 0b01010u << 25);
}

TEST(AtlasStream, PackedStringsShortLongAndBackReferenced) {
  StreamWriter w;
  w.Unit(7);  // something before the first string
  std::int32_t ulm = w.String(u"Ulm");
  std::int32_t munich = w.String(u"München");
  std::string longAscii(40, 'x');
  std::int32_t longName = w.String(std::u16string(longAscii.begin(), longAscii.end()));
  for (int i = 0; i < 3; ++i) w.Unit(0);
  std::int32_t reference = w.BackReference(munich);
  std::vector<std::uint8_t> bytes = w.Bytes();
  AtlasStream s = StreamOver(bytes);

  int units = 0;
  EXPECT_EQ(Unpack(s, ulm, &units), u"Ulm");
  EXPECT_EQ(units, 1 + 2 + 1 + 1);  // header, "U" two units, "l", "m"
  EXPECT_EQ(Unpack(s, munich), u"München");
  EXPECT_EQ(Unpack(s, longName, &units), std::u16string(40, u'x'));
  EXPECT_EQ(units, 3 + 40);  // length 31 + 10-bit 10 = 40 units of codes
  EXPECT_EQ(ReadUnit(s, longName), 31);
  EXPECT_EQ(ReadNumber(s, longName + 1, 2), 10u);
  EXPECT_EQ(Unpack(s, reference, &units), u"München");
  EXPECT_EQ(units, 4);
  EXPECT_EQ(PackedStringUnits(s, reference), 4);
  EXPECT_EQ(PackedStringUnits(s, longName), 43);
  // A name is cut to the buffer but still occupies all its units.
  EXPECT_EQ(Unpack(s, munich, &units, 4), u"Mün");
  EXPECT_EQ(units, PackedStringUnits(s, munich));
}

TEST(AtlasStream, BackReferenceReadsItsTargetAsALiteral) {
  StreamWriter w;
  std::int32_t name = w.String(u"abc");
  for (int i = 0; i < 36; ++i) w.Unit(1);
  std::int32_t reference = w.BackReference(name);
  ASSERT_EQ(reference - name, 40);
  // A reference to another reference is not followed again: the target's
  // first unit 31 is read as a long length.
  std::int32_t chained = w.BackReference(reference);
  std::vector<std::uint8_t> bytes = w.Bytes();
  AtlasStream s = StreamOver(bytes);
  int units = 0;
  EXPECT_EQ(Unpack(s, reference, &units), u"abc");
  EXPECT_EQ(units, 4);
  EXPECT_NE(Unpack(s, chained), u"abc");
  // Distance beyond the start of the stream: nothing there, an empty name.
  StreamWriter far;
  far.Number(1023, 2);
  far.Number(900, 2);
  std::vector<std::uint8_t> farBytes = far.Bytes();
  EXPECT_EQ(Unpack(StreamOver(farBytes), 0, &units), u"");
  EXPECT_EQ(units, 4);
}

TEST(AtlasStream, CharacterCodesOfOneTwoAndThreeUnits) {
  StreamWriter w;
  std::int32_t at = w.Position();
  w.Unit(1 + 2 + 3 + 3);  // 9 units of codes
  w.Unit(2);              // table[2] = 'c'
  w.Unit(30);
  w.Unit(1);              // table[31] = 'B'
  w.Unit(31);
  w.Number(205, 2);       // no character, 3 units consumed
  w.Unit(31);
  w.Number(0, 2);         // table[62]
  w.Unit(0);              // the next string: empty
  std::vector<std::uint8_t> bytes = w.Bytes();
  AtlasStream s = StreamOver(bytes);
  int units = 0;
  std::u16string expected{u'c', u'B', TestCharTable()[62]};
  EXPECT_EQ(Unpack(s, at, &units), expected);
  EXPECT_EQ(units, 10);
  EXPECT_EQ(Unpack(s, at + units, &units), u"");
  EXPECT_EQ(units, 1);
}

TEST(AtlasStream, LengthThirtyOneAddsTheNextTenBitsToThirty) {
  StreamWriter w;
  w.Unit(31);
  w.Number(5, 2);
  for (int i = 0; i < 35; ++i) w.Unit(i % 26);
  w.Unit(3);  // must not be read as part of the string
  std::vector<std::uint8_t> bytes = w.Bytes();
  AtlasStream s = StreamOver(bytes);
  int units = 0;
  std::u16string name = Unpack(s, 0, &units);
  EXPECT_EQ(units, 38);
  ASSERT_EQ(name.size(), 35u);
  EXPECT_EQ(name.substr(0, 3), u"abc");
  EXPECT_EQ(name.back(), u'i');  // code 34 % 26 = 8
}

TEST(AtlasStream, DecodingStopsAtTheStreamAndStringEnds) {
  // A string claiming 20 units in a stream of 8 units ends with the stream.
  StreamWriter w;
  w.Unit(20);
  for (int i = 0; i < 20; ++i) w.Unit(1);
  std::vector<std::uint8_t> bytes = w.Bytes();
  bytes.resize(5);  // 8 units: the length and 7 codes
  AtlasStream s = StreamOver(bytes);
  int units = 0;
  EXPECT_EQ(Unpack(s, 0, &units), u"bbbbbbb");
  EXPECT_EQ(units, 21);
  // A three-unit code that would run past the string's length is dropped.
  StreamWriter cut;
  cut.Unit(2);
  cut.Unit(0);
  cut.Unit(31);
  cut.Unit(0);
  std::vector<std::uint8_t> cutBytes = cut.Bytes();
  EXPECT_EQ(Unpack(StreamOver(cutBytes), 0, &units), u"a");
  EXPECT_EQ(units, 3);
  // An empty stream yields empty strings.
  EXPECT_EQ(Unpack(AtlasStream{}, 0, &units), u"");
}

TEST(AtlasStream, PackedFieldsUnpack) {
  AtlasCoordinate c = UnpackCoordinate(0x4000 | (48 << 6) | 24);
  EXPECT_EQ(c.degrees, 48);
  EXPECT_EQ(c.minutes, 24);
  EXPECT_EQ(c.positive, 0);
  c = UnpackCoordinate((179 << 6) | 59);
  EXPECT_EQ(c.degrees, 179);
  EXPECT_EQ(c.positive, 1);
  AtlasCorrection k = UnpackCorrection(0x4000 | (5 << 6) | 30);
  EXPECT_EQ(k.hours, 5);
  EXPECT_EQ(k.minutes, 30);
  EXPECT_EQ(k.plus, 0);
  k = UnpackCorrection((31 << 6) | 63);
  EXPECT_EQ(k.hours, 31);
  EXPECT_EQ(k.minutes, 63);
  EXPECT_EQ(k.plus, 1);
  AtlasDate d = UnpackDate((1918u << 9) | (2 << 5) | 14);
  EXPECT_EQ(d.year, 1918);
  EXPECT_EQ(d.month, 2);
  EXPECT_EQ(d.day, 14);
  d = UnpackDate(0xFFFFF);
  EXPECT_EQ(d.year, 2047);
  EXPECT_EQ(d.month, 15);
  EXPECT_EQ(d.day, 31);
}

TEST(AtlasHeap, ImmediateIntegers) {
  EXPECT_EQ(IntegerValue(0x400000 | 0x200000 | 12), -12);
  EXPECT_EQ(IntegerValue(0x400000 | 0x1FFFFF), 0x1FFFFF);
  EXPECT_EQ(IntegerValue(0x800010), 0);  // a reference is no integer
  EXPECT_TRUE(IsInteger(0x400000));
  EXPECT_FALSE(IsInteger(0xC00000));
  EXPECT_EQ(MakeInteger(-12), 0x600000u | 12);
  EXPECT_EQ(MakeInteger(0x1FFFFF), 0x400000u | 0x1FFFFF);
  EXPECT_EQ(MakeInteger(0x200000), 0x400000u);
  EXPECT_EQ(MakeInteger(-0x200000), 0x400000u);
}

TEST(AtlasHeap, VectorsStringsPairsAndSmallObjects) {
  HeapWriter h;
  std::uint32_t text = h.String({0x00, 'O', 0x00, 0xDF, 0x01, 0x41});  // "OßŁ"... Ł = U+0141
  std::uint32_t small = 0x800000 | h.Offset();
  h.Byte(70);
  h.Byte(9);
  std::uint32_t lastPair = 0x800000 | h.Offset();
  h.Byte(1);
  h.Number(0x400000 | 2, 3);
  h.Number(0, 3);
  std::uint32_t firstPair = 0x800000 | h.Offset();
  h.Byte(1);
  h.Number(0x400000 | 1, 3);
  h.Number(lastPair, 3);
  std::vector<std::uint32_t> many(300, 0x400000 | 7);
  many[299] = text;
  std::uint32_t longVector = h.Vector(many);
  std::vector<std::uint8_t> blob = h.Finish();
  AtlasHeap heap = MakeAtlasHeap(blob);
  ASSERT_EQ(heap.length, blob.size());

  EXPECT_TRUE(IsString(heap, text));
  EXPECT_EQ(StringLength(heap, text), 3u);
  EXPECT_EQ(StringData(heap, text), (text & 0x7FFFFF) + 2);
  char16_t buffer[8];
  StringCopy(heap, text, buffer, 8);
  EXPECT_EQ(std::u16string(buffer), u"O\u00DF\u0141");
  StringCopy(heap, text, buffer, 2);
  EXPECT_EQ(std::u16string(buffer), u"O");
  StringCopy(heap, AtlasEmptyString, buffer, 8);
  EXPECT_EQ(std::u16string(buffer), u"");
  EXPECT_TRUE(IsString(heap, AtlasEmptyString));

  EXPECT_TRUE(IsVector(heap, longVector));
  EXPECT_EQ(VectorCount(heap, longVector), 300u);
  EXPECT_EQ(VectorElement(heap, longVector, 299), text);
  EXPECT_EQ(VectorElement(heap, longVector, 300), 0u);
  EXPECT_EQ(VectorItems(heap, longVector), (longVector & 0x7FFFFF) + 4);  // kind, 3-byte count
  EXPECT_EQ(VectorItems(heap, text), 0u);
  EXPECT_TRUE(IsVector(heap, AtlasEmptyVector));
  EXPECT_EQ(VectorCount(heap, AtlasEmptyVector), 0u);
  EXPECT_EQ(VectorElement(heap, AtlasEmptyVector, 0), 0u);
  EXPECT_FALSE(IsVector(heap, text));
  EXPECT_EQ(VectorCount(heap, text), 0u);
  EXPECT_EQ(StringLength(heap, longVector), 0u);

  EXPECT_TRUE(IsSmall(heap, small));
  EXPECT_EQ(SmallValue(heap, small), 9);
  EXPECT_TRUE(IsSmall(heap, AtlasEmptySmall));
  EXPECT_FALSE(IsSmall(heap, text));

  EXPECT_TRUE(IsPair(heap, firstPair));
  EXPECT_EQ(IntegerValue(First(heap, firstPair)), 1);
  EXPECT_EQ(Rest(heap, firstPair), lastPair);
  EXPECT_EQ(ListLength(heap, firstPair), 2u);
  EXPECT_EQ(ListLength(heap, AtlasEmptyList), 0u);
  EXPECT_EQ(NthPair(heap, firstPair, 1), lastPair);
  EXPECT_EQ(NthPair(heap, firstPair, 2), AtlasEmptyList);
  EXPECT_EQ(LastPair(heap, firstPair), lastPair);
  EXPECT_EQ(First(heap, text), 0u);
}

TEST(AtlasHeap, ObjectsRunningPastTheHeapAreNotObjects) {
  HeapWriter h;
  std::uint32_t vector = h.Vector({1, 2, 3});
  std::uint32_t text = h.String({0, 'a', 0, 'b'});
  std::uint32_t cycle = 0x800000 | h.Offset();
  h.Byte(1);
  h.Number(0, 3);
  h.Number(cycle, 3);  // a pair whose rest is itself
  std::vector<std::uint8_t> blob = h.Finish();
  AtlasHeap heap = MakeAtlasHeap(blob);
  EXPECT_GT(ListLength(heap, cycle), 0u);  // cut, not endless
  EXPECT_EQ(LastPair(heap, cycle), cycle);

  // The same bytes with the heap length cut inside the string.
  std::vector<std::uint8_t> cut = blob;
  std::uint32_t length = (text & 0x7FFFFF) + 3;
  cut[3] = 0;
  cut[4] = static_cast<std::uint8_t>(length >> 8);
  cut[5] = static_cast<std::uint8_t>(length);
  heap = MakeAtlasHeap(cut);
  EXPECT_EQ(heap.length, length);
  EXPECT_TRUE(IsVector(heap, vector));
  EXPECT_EQ(VectorItems(heap, vector), (vector & 0x7FFFFF) + 2);  // kind, 1-byte count
  EXPECT_FALSE(IsString(heap, text));
  EXPECT_EQ(StringLength(heap, text), 0u);
  EXPECT_FALSE(IsPair(heap, cycle));
  // A vector count that runs past the end.
  cut[(vector & 0x7FFFFF) + 1] = 200;
  EXPECT_FALSE(IsVector(heap, vector));
  EXPECT_EQ(VectorElement(heap, vector, 0), 0u);
  EXPECT_EQ(VectorItems(heap, vector), 0u);
  // References into the header or past the end.
  EXPECT_FALSE(IsVector(heap, 0x800003));
  EXPECT_FALSE(IsVector(heap, 0xFFFFFF));

  // A header longer than the blob (truncated) or shorter than itself.
  std::vector<std::uint8_t> truncated(blob.begin(), blob.end() - 1);
  EXPECT_EQ(MakeAtlasHeap(truncated).length, 0u);
  std::vector<std::uint8_t> tiny{0, 0, 0, 0, 0, 5};
  EXPECT_EQ(MakeAtlasHeap(tiny).length, 0u);
  EXPECT_EQ(MakeAtlasHeap(std::span<const std::uint8_t>()).length, 0u);
  EXPECT_EQ(AtlasRoot(AtlasHeap{}), 0u);
}

}  // namespace
}  // namespace orrery
