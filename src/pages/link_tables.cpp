#include "pages/link_tables.h"

#include <cstddef>
#include <string>

#include "data/record.h"
#include "pages/html.h"
#include "text/gbk_search.h"

namespace velkor {
namespace {

constexpr std::string_view kTableStart = "<table width=\"100%\" border=\"0\">";
constexpr std::string_view kTableEnd = "</table>";

struct Record {
  std::string name, address, kind, explanation;
};

// Adds the selected records to the two tables; the cell counter says where
// the next grid cell falls in its row.
class TableWriter {
 public:
  TableWriter(TextList& detail, TextList& grid, std::string_view border_colour,
              std::string_view background_colour, int last_cell_index)
      : detail_(detail),
        grid_(grid),
        border_(border_colour),
        background_(background_colour),
        last_cell_(last_cell_index),
        cell_width_(std::to_string(100 / (last_cell_index + 1))) {
    detail_.Add(std::string(kTableStart));
    grid_.Add(std::string(kTableStart));
    std::string header =
        "<tr><td width=\"20%\" height=\"20\"><table width=\"100%\" border=\"1\" "
        "cellspacing=\"0\" cellpadding=\"0\" bordercolordark=\"#FFFFFF\" "
        "bordercolorlight=\"#00008C\" height=\"100%\" bgcolor=\"#D0DAF9\"><tr "
        "align=\"center\"><td><a href=\"";
    header += kHeaderRowLink;
    header +=
        "\" target=\"_blank\">网站名称</a></td></tr></table></td><td width=\"80%\"><div "
        "align=\"center\">网站说明或备注</div></td></tr>";
    detail_.Add(std::move(header));
  }

  void Add(const Record& record) {
    if (!record.explanation.empty()) {
      detail_.Add(DetailRow(record));
      return;
    }
    std::string cell = GridCell(record);
    if (cell_ == 0) {
      grid_.Add("<tr>" + cell);
      cell_ = 1;
    } else if (cell_ == last_cell_) {
      grid_.Add(cell + "</tr>");
      cell_ = 0;
    } else {
      grid_.Add(std::move(cell));
      ++cell_;
    }
  }

  // A row left open stays without "</tr>"; the table's end closes it.
  void Close() {
    detail_.Add(std::string(kTableEnd));
    grid_.Add(std::string(kTableEnd));
  }

 private:
  std::string DetailRow(const Record& record) const {
    std::string row =
        "<tr><td width=\"20%\" height=\"20\"><table width=\"100%\" border=\"1\" "
        "cellspacing=\"0\" cellpadding=\"2\" bordercolordark=\"#FFFFFF\" bordercolorlight=\"#";
    row += border_;
    row += "\" height=\"100%\" bgcolor=\"#";
    row += background_;
    row += "\"><tr align=\"center\"><td><a href=\"";
    row += EscapeHtml(record.address);
    row += "\" target=\"_blank\">";
    row += EscapeHtml(record.name);
    row += "</a></td></tr></table></td><td width=\"80%\">";
    row += EscapeHtml(record.explanation);
    row += "</td></tr>";
    return row;
  }

  std::string GridCell(const Record& record) const {
    std::string cell = "<td width=\"";
    cell += cell_width_;
    cell +=
        "%\"><table width=\"100%\" height =\"100%\" border=\"1\" cellspacing=\"0\" "
        "cellpadding=\"0\" bordercolorlight=\"#";
    cell += border_;
    cell += "\" bordercolordark=\"#FFFFFF\" bgcolor=\"#";
    cell += background_;
    cell += "\"><tr align=\"center\"><td><a href=\"";
    cell += EscapeHtml(record.address);
    cell += "\" target=\"_blank\">";
    cell += EscapeHtml(record.name);
    cell += "</a></td></tr></table></td>";
    return cell;
  }

  TextList& detail_;
  TextList& grid_;
  std::string_view border_;
  std::string_view background_;
  int last_cell_;
  std::string cell_width_;
  int cell_ = 0;
};

bool Split(std::string_view line, Record& record) {
  return SplitRecord(line, record.name, record.address, record.kind, record.explanation);
}

void ReportMalformed(Messages& messages, std::string_view filter, std::size_t line) {
  std::string text = "文件结构出错，请查询  ";
  text += filter;
  text += " 约在数据A3F0::";
  text += std::to_string(line);
  messages.Inform(text);
}

}  // namespace

void BuildLinkTables(const TextList& records, TextList& detail, TextList& grid,
                     std::string_view filter, std::string_view border_colour,
                     std::string_view background_colour, int last_cell_index, Messages& messages) {
  TableWriter tables(detail, grid, border_colour, background_colour, last_cell_index);
  for (std::size_t n = 0; n < records.size(); ++n) {
    // Every record is split before it is tested, so the build stops at a
    // malformed record whatever the filter.
    Record record;
    if (!Split(records[n], record)) {
      ReportMalformed(messages, filter, n);
      return;
    }
    if (filter.empty() || ContainsGbk(record.name, filter) || ContainsGbk(record.kind, filter)) {
      tables.Add(record);
    }
  }
  tables.Close();
}

void BuildIndexedLinkTables(const TextList& index, const TextList& records, TextList& detail,
                            TextList& grid, std::string_view keyword,
                            std::string_view border_colour, std::string_view background_colour,
                            int last_cell_index, Messages& messages) {
  TableWriter tables(detail, grid, border_colour, background_colour, last_cell_index);
  for (std::size_t n = 0; n < records.size(); ++n) {
    // The index may not be shorter than the records: at() throws ListIndexError.
    const std::string& entry = index.at(n);
    if (keyword.empty() || entry.find(keyword) == std::string::npos) {
      continue;
    }
    Record record;
    if (!Split(records[n], record)) {
      ReportMalformed(messages, keyword, n);
      return;
    }
    tables.Add(record);
  }
  tables.Close();
}

}  // namespace velkor
