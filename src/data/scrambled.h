// The scrambled data files beside the program (data0, data2 and the partner
// fragments): a plain byte stream, each byte combined with a running 16-bit
// key that starts again at 517 for every file.
#pragma once

#include <string>
#include <string_view>

#include "text/text_list.h"

namespace velkor {

std::string Unscramble(std::string_view scrambled);
std::string Scramble(std::string_view plain);

// The decoded lines of a scrambled file, decoded in memory. Throws
// FileOpenError when the file cannot be read.
TextList ReadScrambledFile(const std::string& file_name);

}  // namespace velkor
