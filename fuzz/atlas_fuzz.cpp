// Fuzzes the atlas readers on damaged blobs. The first input byte chooses
// how the blob is made: odd, the rest of the input is the blob itself; even,
// the rest is a list of (offset high, offset low, byte) patches applied to a
// small valid hand-built atlas, which reaches deep into the stream, the
// rule blocks and the index, and the byte's upper seven bits cut that many
// 128ths off its end. Every reader then runs over it (see
// tests/atlas/atlas_exercise.h); a broken invariant traps, and the
// sanitizers catch any read outside the blob.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "atlas/atlas_open.h"
#include "tests/atlas/atlas_exercise.h"
#include "tests/atlas/blob_writer.h"
#include "tests/atlas/sample_atlas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::vector<std::uint8_t> blob;
  if ((data[0] & 1) != 0) {
    blob.assign(data + 1, data + size);
  } else {
    blob = orrery::testing::SampleAtlas().blob;
    for (std::size_t i = 1; i + 3 <= size; i += 3) {
      std::size_t offset = (std::size_t{data[i]} << 8 | data[i + 1]) % blob.size();
      blob[offset] = data[i + 2];
    }
    blob.resize(blob.size() - (data[0] >> 1) * blob.size() / 128);
  }
  blob.shrink_to_fit();  // so that a read past the end is a read past the allocation
  orrery::UseAtlasData(blob, orrery::testing::TestCharTable());
  if (!orrery::testing::ExerciseAtlas().empty()) __builtin_trap();
  orrery::UseEmbeddedAtlas();
  return 0;
}
