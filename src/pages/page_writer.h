// Writing list pages into a template and handing them to the browser.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/messages.h"
#include "platform/shell.h"
#include "text/text_list.h"

namespace velkor {

inline constexpr std::string_view kCuratedTitle = "精华书签 千里挑一";
inline constexpr std::string_view kDirectoryTitle = "分类书签";
inline constexpr std::string_view kOwnBookmarksTitle = "自家书签";
inline constexpr std::string_view kInsertMarker = "在此加入";

// The link tables' colours and row width, the same on every page.
inline constexpr std::string_view kBorderColour = "E8BA88";
inline constexpr std::string_view kBackgroundColour = "FCF2E0";
inline constexpr int kLastCellIndex = 3;

// The one-line header above each section of a page.
std::string SectionHeader(std::string_view title);
// The selector that asks a page for its curated section.
const std::string& CuratedSectionHeader();

// The built-in page templates; the partner template is completed at start-up.
struct Templates {
  TextList Data0;
  TextList Data2;
  TextList DataSearch;
  static Templates BuiltIn();
};

// What the bar keeps for its page writers.
struct PageFlags {
  bool NextPageUsesData0 = true;
  bool PageInSpareFile = false;
  std::string BrowserPath;
};

struct PageContext {
  const Templates& templates;
  PageFlags& flags;
  Shell& shell;
  Messages& messages;
  bool new_window;  // "在新的浏览器中打开" is ticked
};

// A copy of the template the next page uses, its marker line removed;
// `marker` is where the content goes (each insertion above the one before).
TextList PageFrame(const PageContext& context, std::size_t& marker);
void InsertLines(TextList& page, std::size_t at, const TextList& lines);

// A category, kind or all-bookmarks page: the records whose name or kind
// holds the filter; with the curated selector also the curated list's section.
void WriteListPage(const PageContext& context, const TextList& records, const TextList& curated,
                   std::string_view filter, std::string_view selector);

// Writes www.htm (wwww.htm when an old www.htm cannot be deleted), opens it
// (or ~tmp.htm when present) and flips the template alternation. When the
// page cannot be written the error propagates and nothing changes.
void SaveAndOpenPage(const PageContext& context, const TextList& page);

}  // namespace velkor
