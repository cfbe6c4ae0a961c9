#include "data/data_check.h"

#include <algorithm>
#include <optional>

#include "data/pinyin_index.h"
#include "data/record.h"
#include "data/scrambled.h"
#include "platform/files.h"
#include "text/errors.h"
#include "text/gbk.h"
#include "text/gbk_search.h"
#include "text/text_list.h"

namespace velkor::datatool {
namespace {

constexpr std::string_view kGroupPrefix = "--------------------";

class Report {
 public:
  void Add(const std::string& file, std::size_t line, const std::string& what) {
    problems.push_back(file + ": " + (line > 0 ? std::to_string(line) + ": " : "") + what);
  }
  std::vector<std::string> problems;
};

std::size_t Count(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + part.size())) {
    ++count;
  }
  return count;
}

// Reads a shipped file (unscrambled when it is scrambled) and checks what every
// file needs: it exists, holds no NUL byte, breaks lines with CR LF only and is
// GBK throughout. Returns its lines, or nothing when it cannot be read.
std::optional<TextList> ReadShipped(const std::string& path, bool scrambled, Report& report) {
  if (!files::Exists(path)) {
    report.Add(path, 0, "missing");
    return std::nullopt;
  }
  std::string bytes;
  try {
    bytes = files::ReadAll(path);
  } catch (const Error& error) {
    report.Add(path, 0, error.what());
    return std::nullopt;
  }
  if (scrambled) {
    bytes = Unscramble(bytes);
  }
  if (bytes.find('\0') != std::string::npos) {
    report.Add(path, 0, "NUL byte (the program stops reading there)");
  }
  std::size_t line = 1;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      ++i;
      ++line;
    } else if (bytes[i] == '\r' || bytes[i] == '\n') {
      report.Add(path, line, "line break that is not CR LF");
      ++line;
    }
  }
  TextList lines = TextList::FromText(bytes);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!IsValidGbk(lines[i])) {
      report.Add(path, i + 1, "not valid GBK");
    }
  }
  return lines;
}

void CheckRecords(const std::string& path, const TextList& lines, Report& report) {
  if (lines.empty()) {
    report.Add(path, 0, "no records");
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    bool well_formed = true;
    for (const std::string_view tag : {kAddressTag, kKindTag, kExplanationTag}) {
      const std::size_t count = Count(line, tag);
      if (count != 1) {
        report.Add(path, i + 1,
                   count == 0 ? "malformed record: no " + std::string(tag)
                              : "malformed record: tag " + std::string(tag) + " inside a field");
        well_formed = false;
      }
    }
    if (!well_formed) {
      continue;
    }
    const std::size_t ad = line.find(kAddressTag);
    const std::size_t kd = line.find(kKindTag);
    const std::size_t ex = line.find(kExplanationTag);
    if (!(ad < kd && kd < ex)) {
      report.Add(path, i + 1, "malformed record: tags not in the order <AD> <KD> <EX>");
    } else if (ad == 0) {
      report.Add(path, i + 1, "malformed record: empty name");
    } else if (kd == ad + kAddressTag.size()) {
      report.Add(path, i + 1, "malformed record: empty address");
    }
  }
}

void CheckIndex(const std::string& path, const TextList& lines, const std::string& records_path,
                std::size_t records, Report& report) {
  if (lines.size() != records) {
    report.Add(path, 0,
               std::to_string(lines.size()) + " lines, but " + records_path + " has " +
                   std::to_string(records) + " records");
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.empty()) {
      report.Add(path, i + 1, "empty line");
    } else if (line != kNothingToSpell && !std::all_of(line.begin(), line.end(), [](char c) {
                 return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ';
               })) {
      report.Add(path, i + 1, "not lowercase a-z, 0-9 and spaces");
    }
  }
}

// Every category of the directory menu has at least one record to list.
std::size_t CheckCategories(const std::string& path, const TextList& records,
                            std::string_view directory_list, Report& report) {
  std::vector<std::pair<std::string, std::string>> names_and_kinds;
  for (const std::string& line : records) {
    std::string name, address, kind, explanation;
    if (SplitRecord(line, name, address, kind, explanation)) {
      names_and_kinds.emplace_back(std::move(name), std::move(kind));
    }
  }
  std::size_t categories = 0;
  for (const std::string& entry : TextList::FromText(directory_list)) {
    if (entry.starts_with(kGroupPrefix) || entry.find('=') == std::string::npos) {
      continue;
    }
    ++categories;
    const std::string category(LineName(entry));
    const bool listed =
        std::any_of(names_and_kinds.begin(), names_and_kinds.end(), [&](const auto& record) {
          return ContainsGbk(record.second, category) || ContainsGbk(record.first, category);
        });
    if (!listed) {
      report.Add(path, 0, "no record for the category " + category);
    }
  }
  return categories;
}

}  // namespace

bool IsValidGbk(std::string_view bytes) {
  const std::u16string text = GbkToUtf16(bytes);
  return text.find(u'\uFFFD') == std::u16string::npos && Utf16ToGbk(text) == bytes;
}

CheckResult CheckShippedFiles(const std::string& folder, std::string_view directory_list) {
  Report report;
  const auto path = [&folder](const char* name) { return folder + "/" + name; };

  const auto curated = ReadShipped(path("data0"), true, report);
  const auto directory = ReadShipped(path("data2"), true, report);
  const auto curated_index = ReadShipped(path("jhpy.qx"), false, report);
  const auto directory_index = ReadShipped(path("webpy.qx"), false, report);
  std::size_t categories = 0;
  if (curated) {
    CheckRecords(path("data0"), *curated, report);
    if (curated_index) {
      CheckIndex(path("jhpy.qx"), *curated_index, path("data0"), curated->size(), report);
    }
  }
  if (directory) {
    CheckRecords(path("data2"), *directory, report);
    if (directory_index) {
      CheckIndex(path("webpy.qx"), *directory_index, path("data2"), directory->size(), report);
    }
    categories = CheckCategories(path("data2"), *directory, directory_list, report);
  }
  for (const char* partner : {"datau.qx", "datad.qx", "datac.qx"}) {
    const auto cell = ReadShipped(path(partner), true, report);
    if (cell && cell->empty()) {
      report.Add(path(partner), 0, "empty");
    }
  }

  CheckResult result;
  result.problems = std::move(report.problems);
  if (result.problems.empty()) {
    result.summary = folder + ": data0 " + std::to_string(curated->size()) + " records, data2 " +
                     std::to_string(directory->size()) + " records, " + std::to_string(categories) +
                     " categories all listed, indexes and partner cells good";
  }
  return result;
}

}  // namespace velkor::datatool
