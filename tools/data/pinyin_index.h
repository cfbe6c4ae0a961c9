// The pinyin index beside each record list (jhpy.qx for data0, webpy.qx for
// data2): plain GBK text, one lowercase line per record in the same order, which
// the keyword search looks through for the typed keyword as a plain substring.
//
// A line holds the full syllables of the name run together, then the initials
// (the first letter of each syllable). A character with several readings gives
// every combination, most common first: 重庆 -> "zhongqing chongqing zq cq".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/record_source.h"

namespace velkor::datatool {

// At most this many combinations of readings per name, the most common kept.
inline constexpr std::size_t kMaxReadingCombinations = 16;

// The line of a name that has nothing to spell (only punctuation, or only
// characters the table lacks), so that no line is ever empty.
inline constexpr std::string_view kNothingToSpell = "-";

// Characters and their readings, from content/pinyin/table.txt (UTF-8):
// "# comment" lines, then lines "CHAR READING [READING]...", readings a-z,
// the most common first.
class PinyinTable {
 public:
  // Throws SourceError listing every malformed line.
  static PinyinTable Parse(std::string_view utf8, const std::string& file);
  // Throws FileOpenError or SourceError.
  static PinyinTable Load(const std::string& file);

  // The readings of a character; nullptr when the table lacks it.
  const std::vector<std::string>* Readings(char16_t c) const;
  std::size_t size() const { return readings_.size(); }

 private:
  std::unordered_map<char16_t, std::vector<std::string>> readings_;
};

// The index line of a GBK name, without its line break.
std::string IndexLine(std::string_view name, const PinyinTable& table);

// The index of the sources' records, every line followed by CR LF; it is
// written only when the table and every source are good.
void BuildIndex(const std::string& table_file, const std::vector<std::string>& sources,
                const std::string& output);

}  // namespace velkor::datatool
