// The bookmark record: name "<AD>" address "<KD>" kind "<EX>" explanation, on
// one line. self.txt and the decoded directory data are lists of them.
#pragma once

#include <string>
#include <string_view>

namespace velkor {

inline constexpr std::string_view kAddressTag = "<AD>";
inline constexpr std::string_view kKindTag = "<KD>";
inline constexpr std::string_view kExplanationTag = "<EX>";

// Takes a record line apart by the first occurrence of each tag. Returns false,
// leaving the outputs as they were, when a tag is missing. Spans come out by
// byte position, so tags out of order give empty or cut fields.
bool SplitRecord(std::string_view line, std::string& name, std::string& address, std::string& kind,
                 std::string& explanation);

}  // namespace velkor
