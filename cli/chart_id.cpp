#include "cli/chart_id.h"

#include <charconv>

namespace orrery::cli {

std::optional<std::int32_t> ParseChartId(std::string_view text) {
  std::int32_t id = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, id);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return id;
}

}  // namespace orrery::cli
