#include "text/gbk_search.h"

#include <cstddef>

#include "text/gbk.h"

namespace velkor {

bool ContainsGbk(std::string_view text, std::string_view needle) {
  if (needle.empty()) {
    return true;
  }
  std::size_t i = 0;
  while (i + needle.size() <= text.size()) {
    if (text.compare(i, needle.size(), needle) == 0) {
      return true;
    }
    // A lead byte with a byte after it is one character; a lead byte at the
    // very end, or any other byte, is one byte.
    const bool double_byte =
        IsGbkLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    i += double_byte ? 2 : 1;
  }
  return false;
}

}  // namespace velkor
