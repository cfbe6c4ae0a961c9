#include "pages/search_page.h"

#include "pages/link_tables.h"

namespace velkor {
namespace {

constexpr std::size_t kHistoryLength = 30;

// One section's tables: by text, by pinyin index, or none for short pinyin.
void BuildSection(const PageContext& context, const TextList& records, const TextList* index,
                  std::string_view keyword, TextList& detail, TextList& grid) {
  detail.Clear();
  grid.Clear();
  if (IsTextKeyword(keyword)) {
    BuildLinkTables(records, detail, grid, keyword, kBorderColour, kBackgroundColour,
                    kLastCellIndex, context.messages);
  } else if (index != nullptr && keyword.size() > 2) {
    BuildIndexedLinkTables(*index, records, detail, grid, keyword, kBorderColour, kBackgroundColour,
                           kLastCellIndex, context.messages);
  }
}

}  // namespace

bool IsTextKeyword(std::string_view keyword) {
  for (const char byte : keyword) {
    if (static_cast<signed char>(byte) < 97) {
      return true;
    }
  }
  return false;
}

void WriteSearchPage(const PageContext& context, const TextList& directory, const TextList& own,
                     const TextList& curated, std::string_view selector, std::string_view keyword) {
  TextList curated_index;
  TextList directory_index;
  curated_index.LoadFromFile("jhpy.qx");
  directory_index.LoadFromFile("webpy.qx");

  TextList detail;
  TextList grid;
  BuildSection(context, directory, &directory_index, keyword, detail, grid);
  std::size_t m = 0;
  TextList page = PageFrame(context, m);
  InsertLines(page, m, grid);
  InsertLines(page, m, detail);

  // Own bookmarks have no index: a pinyin keyword never searches them.
  BuildSection(context, own, nullptr, keyword, detail, grid);
  page.Insert(m, SectionHeader(kDirectoryTitle));
  InsertLines(page, m, grid);
  InsertLines(page, m, detail);
  page.Insert(m, SectionHeader(kOwnBookmarksTitle));

  if (selector == CuratedSectionHeader()) {
    BuildSection(context, curated, &curated_index, keyword, detail, grid);
    InsertLines(page, m, grid);
    InsertLines(page, m, detail);
    page.Insert(m, SectionHeader(kCuratedTitle));
  }
  SaveAndOpenPage(context, page);
}

bool AddToHistory(TextList& history, const std::string& keyword) {
  if (!history.empty() && history[0] == keyword) {
    return false;
  }
  history.Insert(0, keyword);
  if (history.size() > kHistoryLength) {
    history.Delete(kHistoryLength);
  }
  return true;
}

}  // namespace velkor
