#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes.h"
#include "pages/link_tables.h"
#include "text/errors.h"
#include "text/gbk_search.h"

namespace velkor {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kBorder = "E8BA88";
constexpr const char* kBackground = "FCF2E0";

struct Tables {
  TextList detail;
  TextList grid;
  FakeMessages messages;
};

Tables Build(const TextList& records, std::string_view filter, int last_cell_index = 3) {
  Tables t;
  BuildLinkTables(records, t.detail, t.grid, filter, kBorder, kBackground, last_cell_index,
                  t.messages);
  return t;
}

Tables BuildIndexed(const TextList& index, const TextList& records, std::string_view keyword) {
  Tables t;
  BuildIndexedLinkTables(index, records, t.detail, t.grid, keyword, kBorder, kBackground, 3,
                         t.messages);
  return t;
}

// The link texts of a table, in order (the detail table's header cell left out).
std::string LinkNames(const TextList& table) {
  static const std::string kOpen = "target=\"_blank\">";
  std::string names;
  for (const std::string& line : table) {
    const auto start = line.find(kOpen);
    if (start == std::string::npos || line.find("网站名称") != std::string::npos) {
      continue;
    }
    const auto from = start + kOpen.size();
    names += line.substr(from, line.find("</a>", from) - from) + " ";
  }
  return names;
}

// The whole output, transcribed line by line from the page format: a detail
// row, then a grid whose one row opens, closes, and a second that stays open.
TEST(LinkTables, WritesBothTablesByteForByte) {
  const TextList records{"新浪<AD>https://www.sina.com.cn/<KD>新闻<EX>门户网站",
                         "甲<AD>a.htm<KD>k<EX>", "乙<AD>b.htm<KD>k<EX>", "丙<AD>c.htm<KD>k<EX>"};
  const Tables t = Build(records, "", 1);

  const std::string header =
      R"(<tr><td width="20%" height="20"><table width="100%" border="1" cellspacing="0" cellpadding="0" bordercolordark="#FFFFFF" bordercolorlight="#00008C" height="100%" bgcolor="#D0DAF9"><tr align="center"><td><a href="https://www.velkor.example/" target="_blank">网站名称</a></td></tr></table></td><td width="80%"><div align="center">网站说明或备注</div></td></tr>)";
  const auto cell = [](const std::string& address, const std::string& name) {
    return R"(<td width="50%"><table width="100%" height ="100%" border="1" cellspacing="0" cellpadding="0" bordercolorlight="#E8BA88" bordercolordark="#FFFFFF" bgcolor="#FCF2E0"><tr align="center"><td><a href=")" +
           address + R"(" target="_blank">)" + name + "</a></td></tr></table></td>";
  };
  EXPECT_EQ(
      t.detail.lines(),
      (Lines{
          R"(<table width="100%" border="0">)",
          header,
          R"(<tr><td width="20%" height="20"><table width="100%" border="1" cellspacing="0" cellpadding="2" bordercolordark="#FFFFFF" bordercolorlight="#E8BA88" height="100%" bgcolor="#FCF2E0"><tr align="center"><td><a href="https://www.sina.com.cn/" target="_blank">新浪</a></td></tr></table></td><td width="80%">门户网站</td></tr>)",
          "</table>",
      }));
  EXPECT_EQ(t.grid.lines(), (Lines{
                                R"(<table width="100%" border="0">)",
                                "<tr>" + cell("a.htm", "甲"),
                                cell("b.htm", "乙") + "</tr>",
                                "<tr>" + cell("c.htm", "丙"),
                                "</table>",
                            }));
  EXPECT_TRUE(t.messages.informed.empty());

  // Nothing to list: the tables' frames and the header row only.
  const Tables none = Build(TextList(), "");
  EXPECT_EQ(none.detail.lines(), (Lines{R"(<table width="100%" border="0">)", header, "</table>"}));
  EXPECT_EQ(none.grid.lines(), (Lines{R"(<table width="100%" border="0">)", "</table>"}));
}

TEST(LinkTables, GridRowsHoldLastCellIndexPlusOneCells) {
  const TextList records{"A<AD>a<KD>k<EX>", "x<AD>x<KD>k<EX>说明x", "B<AD>b<KD>k<EX>",
                         "C<AD>c<KD>k<EX>", "y<AD>y<KD>k<EX>说明y", "D<AD>d<KD>k<EX>",
                         "E<AD>e<KD>k<EX>", "z<AD>z<KD>k<EX>说明z"};
  const Tables t = Build(records, "");
  EXPECT_EQ(LinkNames(t.detail), "x y z ");
  ASSERT_EQ(t.grid.size(), 7u);
  const Lines& grid = t.grid.lines();
  EXPECT_EQ(LinkNames(t.grid), "A B C D E ");
  // Rows open before the 1st and 5th cell and close after the 4th only.
  for (std::size_t i : {1u, 5u}) {
    EXPECT_TRUE(grid[i].starts_with("<tr><td width=\"25%\">")) << i;
  }
  for (std::size_t i : {2u, 3u, 4u}) {
    EXPECT_TRUE(grid[i].starts_with("<td width=\"25%\">")) << i;
  }
  EXPECT_TRUE(grid[4].ends_with("</table></td></tr>"));
  for (std::size_t i : {1u, 2u, 3u, 5u}) {
    EXPECT_TRUE(grid[i].ends_with("</table></td>")) << i;
  }
  EXPECT_EQ(grid[6], "</table>");

  // The cell width drops the remainder of 100 / cells.
  EXPECT_TRUE(Build(records, "", 2).grid[1].starts_with("<tr><td width=\"33%\">"));
}

TEST(LinkTables, SelectsByNameOrKindAtCharacterStarts) {
  // 形 is D0 CE: the second byte of 中 (D6 D0) and the first of 文 (CE C4).
  const TextList records{"ABC<AD>1<KD>k<EX>", "甲<AD>2<KD>国内新闻<EX>", "新闻在线<AD>3<KD>k<EX>",
                         "中文<AD>4<KD>k<EX>", "a中文<AD>5<KD>k<EX>"};
  const struct {
    const char* filter;
    const char* names;
  } cases[] = {
      {"abc", ""}, {"ABC", "ABC "},       {"新闻", "甲 新闻在线 "},
      {"形", ""},  {"文", "中文 a中文 "}, {"", "ABC 甲 新闻在线 中文 a中文 "},
  };
  for (const auto& c : cases) {
    const Tables t = Build(records, c.filter);
    EXPECT_EQ(LinkNames(t.grid), c.names) << c.filter;
    EXPECT_EQ(t.grid.lines().back(), "</table>") << c.filter;
  }
}

TEST(LinkTables, MalformedRecordStopsTheBuildWithoutClosingLines) {
  const TextList records{"游戏天地<AD>g<KD>k<EX>好玩", "甲<AD>a<KD>k<EX>", "游戏一<AD>1<KD>k<EX>",
                         "乙<AD>b<KD>游戏<EX>",        "丙<AD>c<KD>k<EX>", "丁<AD>d<KD>k<EX>",
                         "游戏二<AD>2<KD>k<EX>",       "坏<AD>x<KD>y",     "游戏三<AD>3<KD>k<EX>"};
  const Tables t = Build(records, "游戏");
  EXPECT_EQ(t.messages.informed, Lines{"文件结构出错，请查询  游戏 约在数据A3F0::7"});

  // Exactly what lines 0 to 6 give, less the two "</table>" lines.
  Tables whole = Build(TextList(Lines(records.begin(), records.begin() + 7)), "游戏");
  whole.detail.Delete(whole.detail.size() - 1);
  whole.grid.Delete(whole.grid.size() - 1);
  EXPECT_EQ(t.detail, whole.detail);
  EXPECT_EQ(t.grid, whole.grid);
  EXPECT_EQ(LinkNames(t.grid), "游戏一 乙 游戏二 ");

  // Every record is split, selected or not: an empty line stops it too.
  const Tables empty_line = Build(TextList{"甲<AD>a<KD>k<EX>", ""}, "不相干");
  EXPECT_EQ(empty_line.messages.informed, Lines{"文件结构出错，请查询  不相干 约在数据A3F0::1"});
  EXPECT_EQ(empty_line.grid.size(), 1u);
}

TEST(IndexedLinkTables, SelectsByIndexLineAndSplitsOnlyWhatItSelects) {
  // Record 1 is malformed, but its index line never matches "youxi".
  const TextList records{"甲<AD>a<KD>k<EX>", "坏记录", "乙<AD>b<KD>k<EX>", "丙<AD>c<KD>k<EX>",
                         "丁<AD>d<KD>k<EX>"};
  const TextList index{"youxi", "xinwen", "YOUXI", "wangluoyouxi", "中文"};

  const Tables t = BuildIndexed(index, records, "youxi");
  EXPECT_TRUE(t.messages.informed.empty());
  EXPECT_EQ(LinkNames(t.grid), "甲 丙 ");
  EXPECT_EQ(t.grid.lines().back(), "</table>");

  // Plain bytes: 形 (D0 CE) is found straddling 中文 in the index.
  EXPECT_EQ(LinkNames(BuildIndexed(index, records, "形").grid), "丁 ");

  // An empty keyword selects nothing, so the malformed record is never split.
  const Tables none = BuildIndexed(index, records, "");
  EXPECT_TRUE(none.messages.informed.empty());
  EXPECT_EQ(none.grid.lines(), (Lines{R"(<table width="100%" border="0">)", "</table>"}));

  // A selected malformed record is reported with the keyword and stops the build.
  const Tables bad = BuildIndexed(index, records, "xinwen");
  EXPECT_EQ(bad.messages.informed, Lines{"文件结构出错，请查询  xinwen 约在数据A3F0::1"});
  EXPECT_EQ(bad.grid.size(), 1u);
  EXPECT_EQ(bad.detail.size(), 2u);
}

TEST(IndexedLinkTables, ShortIndexThrowsListIndexError) {
  const TextList records{"甲<AD>a<KD>k<EX>", "乙<AD>b<KD>k<EX>", "丙<AD>c<KD>k<EX>"};
  EXPECT_THROW(BuildIndexed(TextList{"a", "b"}, records, "zzz"), ListIndexError);
  // Lines beyond the records are never read.
  EXPECT_EQ(LinkNames(BuildIndexed(TextList{"a", "b", "c", "d"}, records, "d").grid), "");
}

// Fields go in as text and attribute values: a title from a web page cannot
// add markup. Every other byte of the line stays as it was.
TEST(LinkTables, EscapesFieldsAndChangesNothingElse) {
  const TextList hostile{R"(<script>alert(1)</script><AD>a.htm?q="x"&y=1<KD>k<EX>新闻&体育 <b>)",
                         R"(<script>alert(1)</script><AD>a.htm?q="x"&y=1<KD>k<EX>)"};
  const TextList plain{"NAME<AD>ADDR<KD>k<EX>EXPL", "NAME<AD>ADDR<KD>k<EX>"};
  const Tables bad = Build(hostile, "<script>");
  const Tables good = Build(plain, "");

  const auto unescape_fields = [](std::string line) {
    for (const auto& [escaped, placeholder] :
         {std::pair<std::string, std::string>{"&lt;script&gt;alert(1)&lt;/script&gt;", "NAME"},
          {"a.htm?q=&quot;x&quot;&amp;y=1", "ADDR"},
          {"新闻&amp;体育 &lt;b&gt;", "EXPL"}}) {
      const auto at = line.find(escaped);
      if (at != std::string::npos) {
        line.replace(at, escaped.size(), placeholder);
      }
    }
    return line;
  };
  ASSERT_EQ(bad.detail.size(), good.detail.size());
  ASSERT_EQ(bad.grid.size(), good.grid.size());
  for (std::size_t i = 0; i < bad.detail.size(); ++i) {
    EXPECT_EQ(unescape_fields(bad.detail[i]), good.detail[i]) << i;
    EXPECT_EQ(bad.detail[i].find("<script>"), std::string::npos) << i;
  }
  for (std::size_t i = 0; i < bad.grid.size(); ++i) {
    EXPECT_EQ(unescape_fields(bad.grid[i]), good.grid[i]) << i;
    EXPECT_EQ(bad.grid[i].find("<script>"), std::string::npos) << i;
  }
}

TEST(ContainsGbk, MatchesOnlyAtCharacterStarts) {
  const struct {
    const char* text;
    const char* needle;
    bool found;
  } cases[] = {
      {"", "", true},
      {"新闻", "", true},
      {"国内新闻", "新闻", true},
      {"中文", "形", false},     // D6 D0 CE C4 holds D0 CE across two characters
      {"a中文", "形", false},    // the same after one ASCII byte (odd offset)
      {"a中文", "文", true},     // a real match at an odd offset
      {"\x81\x41", "A", false},  // 0x41 is the trail byte of 丄, not a letter
      {"\x81\x41"
       "A",
       "A", true},
      {"abc", "ABC", false},
      {"ab", "abc", false},
      {"x\xD6", "\xD6", true},  // a lead byte at the very end is a character of its own
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ContainsGbk(c.text, c.needle), c.found) << c.text << " / " << c.needle;
  }
}

}  // namespace
}  // namespace velkor
