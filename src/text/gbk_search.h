// Substring search on GBK text that keeps to character boundaries.
#pragma once

#include <string_view>

namespace velkor {

// True when `needle` occurs in `text` at the start of a character: the text is
// walked character by character (a lead byte 0x81-0xFE and the byte after it
// are one character), so a match never begins on a trail byte. Letter case is
// significant. An empty needle is contained in every text.
bool ContainsGbk(std::string_view text, std::string_view needle);

}  // namespace velkor
