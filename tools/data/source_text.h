// Reading the maintainers' UTF-8 source files line by line, with every
// problem reported as "file:line: what" (GBK, like every message of the core).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/errors.h"

namespace velkor::datatool {

// Problems found in source files: the whole list, so one run shows every
// mistake. what() holds them one per line.
class SourceError : public Error {
 public:
  explicit SourceError(std::vector<std::string> problems);
  const std::vector<std::string>& problems() const { return problems_; }

 private:
  std::vector<std::string> problems_;
};

// Collects the problems of one or more files; Throw() raises them all.
class Problems {
 public:
  void Add(const std::string& file, int line, const std::string& what);
  bool empty() const { return list_.empty(); }
  const std::vector<std::string>& list() const { return list_; }
  // Throws SourceError when any problem was added.
  void ThrowIfAny() const;

 private:
  std::vector<std::string> list_;
};

struct SourceLine {
  int number;             // 1-based
  std::string_view text;  // UTF-8, without its line break
};

// Splits a source at LF, CR LF or lone CR; a leading byte-order mark is dropped
// and a final line break adds no empty line.
std::vector<SourceLine> SplitSourceLines(std::string_view text);

// Converts one source line to GBK. On malformed UTF-8, a character without a GBK
// form or a control character (a tab too, unless allowed), adds the problem and
// returns false.
bool LineToGbk(std::string_view utf8, const std::string& file, int line, Problems& problems,
               std::string& gbk, bool tabs_allowed = false);

// "U+0E01"
std::string CodePointName(char32_t code_point);

}  // namespace velkor::datatool
