// The site lists of content/ (curated.txt and directory/NN-<group>.txt) and the
// shipped files made from them.
//
// A site list is UTF-8: "# comment" lines and empty lines are skipped, a line
// "[category]" starts a section, and under it every line is one site,
// "name | address | explanation" (the explanation may be empty: "name | address |").
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/source_text.h"

namespace velkor::datatool {

// One site, its texts in GBK.
struct Site {
  std::string name;
  std::string address;
  std::string category;
  std::string explanation;
};

// The sites of one list in file order; problems are added with `file` and the line.
std::vector<Site> ParseSiteList(std::string_view utf8, const std::string& file, Problems& problems);

// The sites of every file, files in the given order. Throws SourceError listing
// every problem of every file, FileOpenError when a file cannot be read.
std::vector<Site> ReadSiteLists(const std::vector<std::string>& files);

// name "<AD>" address "<KD>" category "<EX>" explanation.
std::string RecordLine(const Site& site);

// The scrambled record list: every record followed by CR LF, then scrambled.
std::string PackedRecords(const std::vector<Site>& sites);

// A UTF-8 text made GBK, every line followed by CR LF. Throws SourceError.
std::string TextToGbk(std::string_view utf8, const std::string& file);

// The commands: everything is read and checked before the output is written
// (whole, with files::WriteAll), so a failure leaves an old output as it was.
void PackRecords(const std::vector<std::string>& sources, const std::string& output);
void PackText(const std::string& source, const std::string& output);

// A scrambled file as UTF-8 text with LF line breaks.
std::string UnpackToUtf8(const std::string& file);

}  // namespace velkor::datatool
