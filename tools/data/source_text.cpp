#include "data/source_text.h"

#include <cstdio>

#include "text/gbk.h"

namespace velkor::datatool {
namespace {

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    if (!text.empty()) {
      text += '\n';
    }
    text += line;
  }
  return text;
}

// The code point that starts at text[i], a surrogate pair taken whole.
char32_t CodePointAt(std::u16string_view text, std::size_t i) {
  const char32_t unit = text[i];
  if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size()) {
    return 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00);
  }
  return unit;
}

// The 1-based column (in characters) of the first malformed UTF-8 sequence.
int MalformedColumn(std::string_view utf8) {
  int column = 1;
  for (std::size_t i = 0; i < utf8.size(); ++column) {
    std::size_t end = i + 1;
    while (end < utf8.size() && end - i < 4 &&
           (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) {
      ++end;
    }
    try {
      Utf8ToUtf16(utf8.substr(i, end - i));
    } catch (const EncodingError&) {
      return column;
    }
    i = end;
  }
  return column;
}

}  // namespace

SourceError::SourceError(std::vector<std::string> problems)
    : Error(Join(problems)), problems_(std::move(problems)) {}

void Problems::Add(const std::string& file, int line, const std::string& what) {
  list_.push_back(line > 0 ? file + ":" + std::to_string(line) + ": " + what : file + ": " + what);
}

void Problems::ThrowIfAny() const {
  if (!list_.empty()) {
    throw SourceError(list_);
  }
}

std::vector<SourceLine> SplitSourceLines(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) {
    text.remove_prefix(3);
  }
  std::vector<SourceLine> lines;
  std::size_t start = 0;
  int number = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back({number++, text.substr(start, i - start)});
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
        ++i;
      }
      start = i + 1;
    }
  }
  if (start < text.size()) {
    lines.push_back({number, text.substr(start)});
  }
  return lines;
}

std::string CodePointName(char32_t code_point) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(code_point));
  return buffer;
}

bool LineToGbk(std::string_view utf8, const std::string& file, int line, Problems& problems,
               std::string& gbk, bool tabs_allowed) {
  std::u16string text;
  try {
    text = Utf8ToUtf16(utf8);
  } catch (const EncodingError&) {
    problems.Add(file, line, "malformed UTF-8 at column " + std::to_string(MalformedColumn(utf8)));
    return false;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\t' && tabs_allowed) {
      continue;
    }
    if (text[i] == u'\t') {
      problems.Add(file, line, "tab character at column " + std::to_string(i + 1));
      return false;
    }
    if (text[i] < 0x20 || text[i] == 0x7F) {
      problems.Add(file, line, "control character " + CodePointName(text[i]));
      return false;
    }
  }
  try {
    gbk = Utf16ToGbkStrict(text);
    return true;
  } catch (const EncodingError&) {
  }
  // Find the character to name it.
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t code_point = CodePointAt(text, i);
    const std::size_t units = code_point >= 0x10000 ? 2 : 1;
    try {
      Utf16ToGbkStrict(text.substr(i, units));
    } catch (const EncodingError&) {
      problems.Add(file, line, "character " + CodePointName(code_point) + " has no GBK form");
      return false;
    }
    i += units - 1;
  }
  problems.Add(file, line, "text without a GBK form");
  return false;
}

}  // namespace velkor::datatool
