#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <map>

#include "data/data_check.h"
#include "data/pinyin_index.h"
#include "data/record_source.h"
#include "data/scrambled.h"
#include "platform/files.h"
#include "text/gbk.h"
#include "text/text_list.h"
#include "test_folder.h"

namespace velkor {
namespace {

using datatool::SourceError;
using testing::HasSubstr;

// Source files are UTF-8, while narrow literals here are GBK.
std::string Utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

std::vector<std::string> ParseProblems(const std::string& source) {
  datatool::Problems problems;
  datatool::ParseSiteList(source, "content/x.txt", problems);
  return problems.list();
}

TEST(SiteList, ReportsEachMistakeWithFileAndLine) {
  struct Case {
    const char* label;
    std::string source;
    int line;
    const char* what;
  };
  const Case cases[] = {
      {"missing column", Utf8(u8"[新闻]\n新浪 | https://sina.com.cn\n"), 2, "missing column"},
      {"extra column", Utf8(u8"[新闻]\n新浪 | a | b | c\n"), 2, "extra column"},
      {"bar after the explanation", Utf8(u8"[新闻]\n新浪 | a | b |\n"), 2, "extra column"},
      {"site before a section", Utf8(u8"# 注释\n新浪 | a | b\n[新闻]\n"), 2,
       "site before any [category]"},
      {"tag in a field", Utf8(u8"[新闻]\n新浪 | a<KD>b |\n"), 2, "tag <KD> inside a field"},
      {"'<' in a name", Utf8(u8"[新闻]\n<b>新浪</b> | a |\n"), 2, "'<' in the name"},
      {"'>' in a category", Utf8(u8"[新>闻]\n新浪 | a |\n"), 1, "'>' in the category"},
      {"character outside GBK", Utf8(u8"[新闻]\n\n新浪 | a | ก\n"), 3,
       "character U+0E01 has no GBK form"},
      {"malformed UTF-8", Utf8(u8"[新闻]\n新浪 | a | ") + "\xE6\x96\n", 2, "malformed UTF-8"},
      {"empty address", Utf8(u8"[新闻]\n新浪 |  | x\n"), 2, "empty address"},
      {"tab", Utf8(u8"[新闻]\n新浪\t| a | b\n"), 2, "tab character"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> problems = ParseProblems(c.source);
    ASSERT_EQ(problems.size(), 1u) << c.label;
    EXPECT_THAT(problems[0], HasSubstr("content/x.txt:" + std::to_string(c.line) + ": " + c.what))
        << c.label << ": " << problems[0];
  }
}

TEST(PackRecords, WritesOneRecordPerSiteInFileAndLineOrder) {
  TestFolder folder;
  files::WriteAll("a.txt", Utf8(u8"# 注释\n\n[新闻]\n新浪 | https://sina.com.cn | 门户\r\n"
                                u8"网易 | https://163.com |\n[下载:软件]\n华军 | h.cn | \n"));
  files::WriteAll("b.txt", Utf8(u8"\xEF\xBB\xBF[新闻]\nCCTV | cctv.com | 央视 \n"));
  datatool::PackRecords({"b.txt", "a.txt"}, "data2");
  EXPECT_EQ(Unscramble(files::ReadAll("data2")),
            "CCTV<AD>cctv.com<KD>新闻<EX>央视\r\n"
            "新浪<AD>https://sina.com.cn<KD>新闻<EX>门户\r\n"
            "网易<AD>https://163.com<KD>新闻<EX>\r\n"
            "华军<AD>h.cn<KD>下载:软件<EX>\r\n");
}

TEST(PackRecords, AFailedCommandWritesNothingAndKeepsTheOldOutput) {
  TestFolder folder;
  files::WriteAll("good.txt", Utf8(u8"[新闻]\n新浪 | a |\n"));
  files::WriteAll("bad.txt", Utf8(u8"[新闻]\n新浪 | a |\n泰 | b | ก\n"));
  files::WriteAll("table.txt", Utf8(u8"新 xin\n"));
  const std::map<std::string, std::function<void(const std::string&)>> commands = {
      {"pack --records",
       [](auto& out) {
         datatool::PackRecords({"good.txt", "bad.txt"}, out);
       }},
      {"pack --text", [](auto& out) { datatool::PackText("bad.txt", out); }},
      {"index",
       [](auto& out) {
         datatool::BuildIndex("table.txt", {"good.txt", "bad.txt"}, out);
       }},
  };
  for (const auto& [label, command] : commands) {
    try {
      command("new");
      ADD_FAILURE() << label << " did not fail";
    } catch (const SourceError& error) {
      EXPECT_THAT(error.what(), HasSubstr("bad.txt:3: character U+0E01")) << label;
    }
    EXPECT_FALSE(files::Exists("new")) << label;

    files::WriteAll("old", "old bytes");
    EXPECT_THROW(command("old"), SourceError) << label;
    EXPECT_EQ(files::ReadAll("old"), "old bytes") << label;
    EXPECT_FALSE(files::Exists(files::TemporaryNameFor("old"))) << label;
  }
}

TEST(PackText, MakesGbkWithCrLfLineBreaks) {
  TestFolder folder;
  files::WriteAll("cell.html", Utf8(u8"<td>\t合作伙伴</td>\n<br>\r\nend"));
  datatool::PackText("cell.html", "cell.qx");
  EXPECT_EQ(Unscramble(files::ReadAll("cell.qx")), "<td>\t合作伙伴</td>\r\n<br>\r\nend\r\n");
  EXPECT_EQ(datatool::UnpackToUtf8("cell.qx"), Utf8(u8"<td>\t合作伙伴</td>\n<br>\nend\n"));
}

const datatool::PinyinTable& SmallTable() {
  static const datatool::PinyinTable table = datatool::PinyinTable::Parse(
      Utf8(u8"# 注释\n重 zhong chong\n庆 qing\n银 yin\n行 xing hang heng\n新 xin\n浪 lang\n"
           u8"网 wang\n体 ti\n育 yu\n"),
      "table.txt");
  return table;
}

TEST(PinyinIndex, SpellsEveryReadingFullFormsFirstThenInitials) {
  const std::pair<std::string, std::string> cases[] = {
      {"重庆", "zhongqing chongqing zq cq"},
      {"银行", "yinxing yinhang yinheng yx yh"},
      {"新浪网", "xinlangwang xlw"},
      {"CCTV5体育", "cctv5tiyu cctv5ty"},
      {"新·浪〇", "xinlang xl"},  // punctuation and characters the table lacks are skipped
      {"《！？》 …", "-"},
  };
  for (const auto& [name, line] : cases) {
    EXPECT_EQ(datatool::IndexLine(name, SmallTable()), line) << GbkToUtf8(name);
  }
}

TEST(PinyinIndex, KeepsOnlyTheMostCommonCombinations) {
  // Five characters of three readings each: 243 combinations, of which the 16
  // with the most first readings are kept, and their initials after them.
  std::vector<std::string> words;
  std::istringstream line(datatool::IndexLine("行行行行行", SmallTable()));
  for (std::string word; line >> word;) {
    words.push_back(word);
  }
  // Kept: no other reading, one (6), and ten of the fifteen with two steps down,
  // the earlier characters keeping their first readings longest.
  ASSERT_EQ(words.size(), 16u + 12u);  // hang and heng share their initial
  EXPECT_EQ(words[0], "xingxingxingxingxing");
  EXPECT_EQ(words[1], "xingxingxingxinghang");
  EXPECT_EQ(words[5], "hangxingxingxingxing");
  EXPECT_EQ(words[6], "xingxingxingxingheng");
  EXPECT_EQ(words[15], "xinghengxingxingxing");
  EXPECT_EQ(words[16], "xxxxx");
  EXPECT_EQ(std::count(words.begin(), words.end(), "hhxxx"), 0);
}

TEST(PinyinTable, ReportsMalformedLines) {
  try {
    datatool::PinyinTable::Parse(Utf8(u8"# 注释\n重 Zhong\n新 xin\n新 xin\nab cd\n"), "table.txt");
    FAIL() << "no error";
  } catch (const SourceError& error) {
    EXPECT_THAT(error.problems(),
                testing::ElementsAre(HasSubstr("table.txt:2: reading \"Zhong\""),
                                     HasSubstr("table.txt:4: character listed twice"),
                                     HasSubstr("table.txt:5: expected one Chinese character")));
  }
}

// A tiny set of shipped files and the directory list it is checked against.
struct ShippedSet {
  ShippedSet() {
    Write("data0", "新浪<AD>https://sina.com.cn<KD>新闻<EX>门户\r\n", true);
    Write("jhpy.qx", "xinlang xl\r\n", false);
    Write("data2", "网易新闻<AD>a<KD>门户<EX>\r\n华军<AD>b<KD>下载软件<EX>说明\r\n", true);
    Write("webpy.qx", "wangyixinwen wyxw\r\nhuajun hj\r\n", false);
    for (const char* cell : {"datau.qx", "datad.qx", "datac.qx"}) {
      Write(cell, "<b>合作</b>\r\n", true);
    }
  }
  void Write(const std::string& name, const std::string& plain, bool scrambled) {
    files::WriteAll(name, scrambled ? Scramble(plain) : plain);
  }
  datatool::CheckResult Check() const { return datatool::CheckShippedFiles(".", list); }

  TestFolder folder;
  // 新闻 is in a name only, 下载 in a kind only.
  std::string list = "--------------------组\r\n新闻=dir001.htm\r\n下载=dir002.htm\r\n";
};

TEST(Check, AGoodSetPasses) {
  const datatool::CheckResult result = ShippedSet().Check();
  EXPECT_THAT(result.problems, testing::IsEmpty());
  EXPECT_THAT(result.summary, HasSubstr("2 categories"));
}

TEST(Check, ReportsEachProblem) {
  struct Case {
    const char* label;
    std::function<void(ShippedSet&)> spoil;
    const char* problem;
  };
  const Case cases[] = {
      {"line count", [](auto& f) { f.Write("webpy.qx", "wangyixinwen wyxw\r\n", false); },
       "./webpy.qx: 1 lines, but ./data2 has 2 records"},
      {"malformed record", [](auto& f) { f.Write("data0", "新浪<AD>a<EX>门户\r\n", true); },
       "./data0: 1: malformed record: no <KD>"},
      {"empty address",
       [](auto& f) {
         f.Write("data2", "网易新闻<AD>a<KD><EX>\r\n华军<AD><KD>下载软件<EX>\r\n", true);
       },
       "./data2: 2: malformed record: empty address"},
      {"tags out of order", [](auto& f) { f.Write("data0", "新浪<KD>新闻<AD>a<EX>\r\n", true); },
       "./data0: 1: malformed record: tags not in the order"},
      {"category without records", [](auto& f) { f.list += "体育=dir003.htm\r\n"; },
       "./data2: no record for the category 体育"},
      // Bytes found only across two characters of 网易新闻 select nothing.
      {"category only across characters",
       [](auto& f) { f.list += std::string("网易新闻").substr(5, 2) + "=dir003.htm\r\n"; },
       "./data2: no record for the category"},
      {"bad GBK", [](auto& f) { f.Write("datad.qx", "ok\r\n\x81\x20\r\n", true); },
       "./datad.qx: 2: not valid GBK"},
      {"index line", [](auto& f) { f.Write("jhpy.qx", "XinLang xl\r\n", false); },
       "./jhpy.qx: 1: not lowercase"},
      {"missing cell", [](auto&) { files::Remove("datac.qx"); }, "./datac.qx: missing"},
  };
  for (const Case& c : cases) {
    ShippedSet set;
    c.spoil(set);
    const datatool::CheckResult result = set.Check();
    EXPECT_THAT(result.problems, testing::ElementsAre(HasSubstr(c.problem))) << c.label;
    EXPECT_TRUE(result.summary.empty()) << c.label;
  }
}

}  // namespace
}  // namespace velkor
