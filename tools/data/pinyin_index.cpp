#include "data/pinyin_index.h"

#include <algorithm>

#include "platform/files.h"
#include "text/gbk.h"

namespace velkor::datatool {
namespace {

std::vector<std::string_view> SplitAtSpaces(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  while (start < line.size()) {
    const std::size_t end = std::min(line.find(' ', start), line.size());
    if (end > start) {
      words.push_back(line.substr(start, end - start));
    }
    start = end + 1;
  }
  return words;
}

bool IsReading(std::string_view word) {
  return !word.empty() &&
         std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// One spelled piece of a name: an ASCII letter or digit (one way to spell it),
// or a character of the table (one way per reading, most common first).
struct Piece {
  std::vector<std::string> spellings;
  bool ascii;
};

// A choice of one spelling per piece. Combinations are ranked by the sum of the
// reading ranks, then by the choices in name order, so that first readings come
// first; keeping the best few after each piece keeps exactly the best overall.
struct Combination {
  int rank = 0;
  std::vector<int> choices;
  std::string full;
  std::string initials;
};

bool Better(const Combination& a, const Combination& b) {
  return a.rank != b.rank ? a.rank < b.rank : a.choices < b.choices;
}

void AddOnce(std::vector<std::string>& list, std::string text) {
  if (std::find(list.begin(), list.end(), text) == list.end()) {
    list.push_back(std::move(text));
  }
}

}  // namespace

PinyinTable PinyinTable::Parse(std::string_view utf8, const std::string& file) {
  Problems problems;
  PinyinTable table;
  for (const SourceLine& line : SplitSourceLines(utf8)) {
    if (line.text.empty() || line.text.front() == '#') {
      continue;
    }
    const std::vector<std::string_view> words = SplitAtSpaces(line.text);
    std::u16string character;
    try {
      character = Utf8ToUtf16(words.empty() ? std::string_view() : words[0]);
    } catch (const EncodingError&) {
      problems.Add(file, line.number, "malformed UTF-8");
      continue;
    }
    if (character.size() != 1 || character[0] < 0x80) {
      problems.Add(file, line.number, "expected one Chinese character, then its readings");
      continue;
    }
    if (words.size() < 2) {
      problems.Add(file, line.number, "character without a reading");
      continue;
    }
    std::vector<std::string> readings;
    for (std::size_t i = 1; i < words.size(); ++i) {
      if (!IsReading(words[i])) {
        problems.Add(file, line.number,
                     "reading \"" + std::string(words[i]) + "\" is not lowercase a-z");
        readings.clear();
        break;
      }
      AddOnce(readings, std::string(words[i]));
    }
    if (readings.empty()) {
      continue;
    }
    if (!table.readings_.emplace(character[0], std::move(readings)).second) {
      problems.Add(file, line.number, "character listed twice");
    }
  }
  problems.ThrowIfAny();
  return table;
}

PinyinTable PinyinTable::Load(const std::string& file) {
  return Parse(files::ReadAll(file), file);
}

const std::vector<std::string>* PinyinTable::Readings(char16_t c) const {
  const auto found = readings_.find(c);
  return found == readings_.end() ? nullptr : &found->second;
}

std::string IndexLine(std::string_view name, const PinyinTable& table) {
  std::vector<Piece> pieces;
  for (const char16_t c : GbkToUtf16(name)) {
    if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) {
      pieces.push_back({{std::string(1, static_cast<char>(c))}, true});
    } else if (c >= u'A' && c <= u'Z') {
      pieces.push_back({{std::string(1, static_cast<char>(c - u'A' + u'a'))}, true});
    } else if (const auto* readings = table.Readings(c)) {
      pieces.push_back({*readings, false});
    }
  }
  if (pieces.empty()) {
    return std::string(kNothingToSpell);
  }

  std::vector<Combination> best(1);
  for (const Piece& piece : pieces) {
    std::vector<Combination> next;
    next.reserve(best.size() * piece.spellings.size());
    for (const Combination& combination : best) {
      for (std::size_t r = 0; r < piece.spellings.size(); ++r) {
        Combination longer = combination;
        const std::string& spelling = piece.spellings[r];
        longer.rank += static_cast<int>(r);
        longer.choices.push_back(static_cast<int>(r));
        longer.full += spelling;
        // An ASCII letter or digit stands as it is in the initials too.
        longer.initials += piece.ascii ? spelling : spelling.substr(0, 1);
        next.push_back(std::move(longer));
      }
    }
    std::stable_sort(next.begin(), next.end(), Better);
    if (next.size() > kMaxReadingCombinations) {
      next.resize(kMaxReadingCombinations);
    }
    best = std::move(next);
  }

  std::vector<std::string> full;
  std::vector<std::string> initials;
  for (Combination& combination : best) {
    AddOnce(full, std::move(combination.full));
    AddOnce(initials, std::move(combination.initials));
  }
  std::string line;
  for (const auto* list : {&full, &initials}) {
    for (const std::string& word : *list) {
      if (!line.empty()) {
        line += ' ';
      }
      line += word;
    }
  }
  return line;
}

void BuildIndex(const std::string& table_file, const std::vector<std::string>& sources,
                const std::string& output) {
  const PinyinTable table = PinyinTable::Load(table_file);
  std::string text;
  for (const Site& site : ReadSiteLists(sources)) {
    text += IndexLine(site.name, table);
    text += "\r\n";
  }
  files::WriteAll(output, text);
}

}  // namespace velkor::datatool
