// Keyword search from the bar's entry box: the result page and the history.
#pragma once

#include <string>
#include <string_view>

#include "pages/page_writer.h"
#include "text/text_list.h"

namespace velkor {

// A keyword holding any byte below "a" (read as a signed byte: digits,
// capitals, spaces, punctuation, and every GBK lead byte) is searched as
// text; a keyword of lowercase letters (and { | } ~) as pinyin.
bool IsTextKeyword(std::string_view keyword);

// The result page: the curated section (when `selector` is the curated
// header), the own bookmarks and the directory. Pinyin keywords of three
// bytes or more go through jhpy.qx and webpy.qx, read at every search; a
// missing index or one shorter than its list ends the search with an error
// before any page is written.
void WriteSearchPage(const PageContext& context, const TextList& directory, const TextList& own,
                     const TextList& curated, std::string_view selector, std::string_view keyword);

// Puts a searched keyword at the top of the history, newest first: a repeat
// of the top entry is skipped, and at most one entry (the 31st) drops out.
// True when the history changed and is to be written to list.ini.
bool AddToHistory(TextList& history, const std::string& keyword);

}  // namespace velkor
