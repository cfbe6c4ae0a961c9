// The link tables of every list and search page: a detail table, one row per
// selected record with an explanation, and below it a link grid of compact
// cells for the selected records without one. Both are built as HTML lines
// for the page writers to place into a template.
#pragma once

#include <string_view>

#include "pages/home_page.h"
#include "platform/messages.h"
#include "text/text_list.h"

namespace velkor {

// Where the detail table's header cell ("网站名称") links to: our home page.
inline constexpr std::string_view kHeaderRowLink = kHomePage;

// Appends the detail table to `detail` and the link grid to `grid` (both
// passed empty), from the records whose name or kind holds `filter` (see
// ContainsGbk), or from every record when the filter is empty. Colours are six
// hexadecimal digits without "#"; a grid row holds `last_cell_index` + 1
// cells (`last_cell_index` at least 1). Every record is split first, so a
// malformed one anywhere stops the build: it is reported through `messages`
// and the tables stay as far as they got, without their closing lines.
// Names and explanations go in as text and addresses as attribute values,
// escaped.
void BuildLinkTables(const TextList& records, TextList& detail, TextList& grid,
                     std::string_view filter, std::string_view border_colour,
                     std::string_view background_colour, int last_cell_index, Messages& messages);

// The same tables from the records whose line in `index` (line n for record n)
// holds `keyword`, bytes compared exactly; an empty keyword selects nothing.
// Only selected records are split. Throws ListIndexError when `index` has
// fewer lines than `records`.
void BuildIndexedLinkTables(const TextList& index, const TextList& records, TextList& detail,
                            TextList& grid, std::string_view keyword,
                            std::string_view border_colour, std::string_view background_colour,
                            int last_cell_index, Messages& messages);

}  // namespace velkor
