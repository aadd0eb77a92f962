// Chart ids as typed on the command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orrery::cli {

// A whole number (optionally negative) that fits the stored id field, a
// signed 32-bit value; nullopt for anything else, also for a number beyond
// that range (4294967302 is no id, and never chart 6).
std::optional<std::int32_t> ParseChartId(std::string_view text);

}  // namespace orrery::cli
