#include "data/record_source.h"

#include "data/record.h"
#include "data/scrambled.h"
#include "platform/files.h"
#include "text/gbk.h"
#include "text/text_list.h"

namespace velkor::datatool {
namespace {

constexpr std::string_view kSeparator = " | ";

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') {
    text.remove_prefix(1);
  }
  while (!text.empty() && text.back() == ' ') {
    text.remove_suffix(1);
  }
  return text;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t at = line.find(kSeparator);
    if (at == std::string_view::npos) {
      fields.push_back(line);
      return fields;
    }
    fields.push_back(line.substr(0, at));
    line.remove_prefix(at + kSeparator.size());
  }
}

// Finds a record tag or a stray '<', '>' or '|' in one field; empty when it is clean.
// Addresses may hold '<', '>' and '|' but never a whole tag.
std::string FieldProblem(std::string_view field, std::string_view what, bool plain_text) {
  for (const std::string_view tag : {kAddressTag, kKindTag, kExplanationTag}) {
    if (field.find(tag) != std::string_view::npos) {
      return "tag " + std::string(tag) + " inside a field (the " + std::string(what) + ")";
    }
  }
  if (plain_text) {
    for (const char c : {'<', '>', '|'}) {
      if (field.find(c) != std::string_view::npos) {
        return std::string("'") + c + "' in the " + std::string(what);
      }
    }
  }
  return {};
}

bool CheckField(std::string_view field, std::string_view what, bool plain_text,
                const std::string& file, int line, Problems& problems) {
  const std::string problem = FieldProblem(field, what, plain_text);
  if (!problem.empty()) {
    problems.Add(file, line, problem);
    return false;
  }
  return true;
}

}  // namespace

std::vector<Site> ParseSiteList(std::string_view utf8, const std::string& file,
                                Problems& problems) {
  std::vector<Site> sites;
  std::string category;
  bool in_section = false;
  for (const SourceLine& source : SplitSourceLines(utf8)) {
    std::string gbk;
    if (!LineToGbk(source.text, file, source.number, problems, gbk)) {
      continue;
    }
    const std::string_view line = TrimSpaces(gbk);
    if (line.empty() || line.front() == '#') {
      continue;
    }
    if (line.front() == '[' && line.find('|') == std::string_view::npos) {
      if (line.back() != ']') {
        problems.Add(file, source.number, "section line without its closing ']'");
        continue;
      }
      const std::string_view name = TrimSpaces(line.substr(1, line.size() - 2));
      // A bad section still opens one, so its sites are not all reported as well.
      in_section = true;
      category = name;
      if (name.empty()) {
        problems.Add(file, source.number, "empty category name");
      } else {
        CheckField(name, "category", true, file, source.number, problems);
      }
      continue;
    }
    if (!in_section) {
      problems.Add(file, source.number, "site before any [category] line");
      continue;
    }
    // "name | address |" ends the empty explanation with a bare bar.
    std::string padded(line);
    if (padded.ends_with(" |")) {
      padded += ' ';
    }
    const std::vector<std::string_view> fields = SplitFields(padded);
    if (fields.size() != 3) {
      problems.Add(file, source.number,
                   (fields.size() < 3 ? "missing column" : "extra column") +
                       std::string(": expected \"name | address | explanation\", found ") +
                       std::to_string(fields.size()) + " field(s)");
      continue;
    }
    Site site{std::string(TrimSpaces(fields[0])), std::string(TrimSpaces(fields[1])), category,
              std::string(TrimSpaces(fields[2]))};
    if (site.name.empty()) {
      problems.Add(file, source.number, "empty name");
      continue;
    }
    if (site.address.empty()) {
      problems.Add(file, source.number, "empty address");
      continue;
    }
    if (CheckField(site.name, "name", true, file, source.number, problems) &&
        CheckField(site.address, "address", false, file, source.number, problems) &&
        CheckField(site.explanation, "explanation", true, file, source.number, problems)) {
      sites.push_back(std::move(site));
    }
  }
  return sites;
}

std::vector<Site> ReadSiteLists(const std::vector<std::string>& files) {
  Problems problems;
  std::vector<Site> sites;
  for (const std::string& file : files) {
    for (Site& site : ParseSiteList(files::ReadAll(file), file, problems)) {
      sites.push_back(std::move(site));
    }
  }
  problems.ThrowIfAny();
  return sites;
}

std::string RecordLine(const Site& site) {
  std::string line = site.name;
  line += kAddressTag;
  line += site.address;
  line += kKindTag;
  line += site.category;
  line += kExplanationTag;
  line += site.explanation;
  return line;
}

std::string PackedRecords(const std::vector<Site>& sites) {
  std::string plain;
  for (const Site& site : sites) {
    plain += RecordLine(site);
    plain += "\r\n";
  }
  return Scramble(plain);
}

std::string TextToGbk(std::string_view utf8, const std::string& file) {
  Problems problems;
  std::string text;
  for (const SourceLine& source : SplitSourceLines(utf8)) {
    std::string gbk;
    // Tabs are at home in HTML; every other control character is a mistake.
    if (LineToGbk(source.text, file, source.number, problems, gbk, /*tabs_allowed=*/true)) {
      text += gbk;
      text += "\r\n";
    }
  }
  problems.ThrowIfAny();
  return text;
}

void PackRecords(const std::vector<std::string>& sources, const std::string& output) {
  files::WriteAll(output, PackedRecords(ReadSiteLists(sources)));
}

void PackText(const std::string& source, const std::string& output) {
  files::WriteAll(output, Scramble(TextToGbk(files::ReadAll(source), source)));
}

std::string UnpackToUtf8(const std::string& file) {
  std::string text;
  for (const std::string& line : TextList::FromText(Unscramble(files::ReadAll(file)))) {
    text += GbkToUtf8(line);
    text += '\n';
  }
  return text;
}

}  // namespace velkor::datatool
