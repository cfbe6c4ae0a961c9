#include "data/record.h"

#include <cstddef>

namespace velkor {
namespace {

// `count` bytes from the 1-based position `start`: nothing when the count is
// zero or negative, cut at the end of the line.
std::string Span(std::string_view line, std::ptrdiff_t start, std::ptrdiff_t count) {
  const auto size = static_cast<std::ptrdiff_t>(line.size());
  if (count <= 0 || start > size) {
    return {};
  }
  return std::string(
      line.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count)));
}

}  // namespace

bool SplitRecord(std::string_view line, std::string& name, std::string& address, std::string& kind,
                 std::string& explanation) {
  const std::size_t ad = line.find(kAddressTag);
  const std::size_t kd = line.find(kKindTag);
  const std::size_t ex = line.find(kExplanationTag);
  if (ad == std::string_view::npos || kd == std::string_view::npos ||
      ex == std::string_view::npos) {
    return false;
  }
  // 1-based positions of the three tags, and the line's length.
  const auto a = static_cast<std::ptrdiff_t>(ad) + 1;
  const auto k = static_cast<std::ptrdiff_t>(kd) + 1;
  const auto e = static_cast<std::ptrdiff_t>(ex) + 1;
  const auto length = static_cast<std::ptrdiff_t>(line.size());
  name = Span(line, 1, a - 1);
  address = Span(line, a + 4, k - a - 4);
  kind = Span(line, k + 4, e - k - 4);
  explanation = Span(line, e + 4, length - k - 4);
  return true;
}

}  // namespace velkor
