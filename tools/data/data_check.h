// Checks the data files shipped beside velkor.exe, as the program reads them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velkor::datatool {

struct CheckResult {
  std::vector<std::string> problems;  // "file: line: what", GBK
  std::string summary;                // one line, when there is no problem
};

// Checks data0, data2 and their pinyin indexes jhpy.qx and webpy.qx, and the
// partner cells datau.qx, datad.qx and datac.qx in `folder`. Every category of
// `directory_list` (the built-in list of groups and entries "category=page")
// needs a record in data2 that the program would list under it: one whose kind
// or name holds the category (ContainsGbk, the program's own rule).
CheckResult CheckShippedFiles(const std::string& folder, std::string_view directory_list);

// True when the bytes decode as GBK and encode back to the same bytes.
bool IsValidGbk(std::string_view bytes);

}  // namespace velkor::datatool
