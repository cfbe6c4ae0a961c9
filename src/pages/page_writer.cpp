#include "pages/page_writer.h"

#include "builtin_texts.h"
#include "pages/link_tables.h"
#include "platform/files.h"
#include "text/errors.h"

namespace velkor {

std::string SectionHeader(std::string_view title) {
  std::string header =
      "<br><table width=\"25%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\" "
      "bordercolordark=\"#FFFFFF\" bordercolorlight=\"#408080\" bgcolor=\"#FFFFCC\" "
      "align=\"center\">        <tr align=\"center\">           <td height=\"19\">";
  header += title;
  header += "</td>        </tr>      </table><br>";
  return header;
}

const std::string& CuratedSectionHeader() {
  static const std::string header = SectionHeader(kCuratedTitle);
  return header;
}

Templates Templates::BuiltIn() {
  return {TextList::FromText(builtin::kData0), TextList::FromText(builtin::kData2),
          TextList::FromText(builtin::kDataSearch)};
}

TextList PageFrame(const PageContext& context, std::size_t& marker) {
  TextList page =
      context.flags.NextPageUsesData0 ? context.templates.Data0 : context.templates.Data2;
  const int position = page.IndexOf(kInsertMarker);
  if (position < 0) {
    throw ListIndexError(page.size());
  }
  marker = static_cast<std::size_t>(position);
  page.Delete(marker);
  return page;
}

void InsertLines(TextList& page, std::size_t at, const TextList& lines) {
  for (std::size_t i = lines.size(); i-- > 0;) {
    page.Insert(at, lines[i]);
  }
}

namespace {

void BuildTables(const PageContext& context, const TextList& records, std::string_view filter,
                 TextList& detail, TextList& grid) {
  detail.Clear();
  grid.Clear();
  BuildLinkTables(records, detail, grid, filter, kBorderColour, kBackgroundColour, kLastCellIndex,
                  context.messages);
}

}  // namespace

void WriteListPage(const PageContext& context, const TextList& records, const TextList& curated,
                   std::string_view filter, std::string_view selector) {
  TextList detail;
  TextList grid;
  BuildTables(context, records, filter, detail, grid);
  std::size_t m = 0;
  TextList page = PageFrame(context, m);
  InsertLines(page, m, grid);
  InsertLines(page, m, detail);
  if (selector == CuratedSectionHeader()) {
    BuildTables(context, curated, filter, detail, grid);
    page.Insert(m, SectionHeader(kDirectoryTitle));
    InsertLines(page, m, grid);
    InsertLines(page, m, detail);
    page.Insert(m, SectionHeader(kCuratedTitle));
  } else {
    page.Insert(m, SectionHeader(kOwnBookmarksTitle));
  }
  SaveAndOpenPage(context, page);
}

void SaveAndOpenPage(const PageContext& context, const TextList& page) {
  constexpr const char* kPage = "www.htm";
  constexpr const char* kSparePage = "wwww.htm";
  constexpr const char* kOverride = "~tmp.htm";
  // A browser may still hold the last page open; then the spare file takes this one.
  const bool spare = files::PathExists(kPage) && !files::Remove(kPage);
  page.SaveToFile(spare ? kSparePage : kPage);
  context.flags.PageInSpareFile = spare;

  const char* shown = spare ? kSparePage : files::Exists(kOverride) ? kOverride : kPage;
  const std::string path = context.shell.ProgramFolder() + "\\" + shown;
  if (context.new_window) {
    context.flags.BrowserPath = context.shell.AssociatedProgram(kPage);
    context.shell.Start(context.flags.BrowserPath, path);
  } else {
    context.shell.Open(path, Shell::Show::kNormal);
  }
  context.flags.NextPageUsesData0 = !context.flags.NextPageUsesData0;
}

}  // namespace velkor
