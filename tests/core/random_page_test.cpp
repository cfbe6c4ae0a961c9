#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "fakes.h"
#include "pages/random_page.h"
#include "platform/files.h"
#include "test_folder.h"
#include "text/errors.h"

namespace velkor {
namespace {

using Lines = std::vector<std::string>;

const TextList kData0{"<top>", "在此加入", "<bottom>"};

// The lines between "<script>" and "</script>".
Lines ScriptLines(const TextList& page) {
  const int open = page.IndexOf("<script>");
  const int close = page.IndexOf("</script>");
  if (open < 0 || close < open) {
    ADD_FAILURE() << "no script block";
    return {};
  }
  return Lines(page.begin() + open + 1, page.begin() + close);
}

// Draws that return the given numbers in turn.
RandomDraw Scripted(std::vector<std::uint32_t> numbers) {
  return [numbers, next = std::size_t{0}]() mutable { return numbers.at(next++); };
}

class RandomPageTest : public testing::Test {
 protected:
  void Open(std::int32_t count, std::int64_t seconds = 1000) {
    OpenRandomPage(kData0, {directory, own, curated}, count, seconds, shell, messages);
  }
  static TextList WrittenPage() { return TextList::FromText(files::ReadAll("random.htm")); }

  TestFolder folder;
  FakeShell shell;
  FakeMessages messages;
  TextList directory{"甲<AD>http://a.example/<KD>k<EX>", "乙<AD>http://b.example/<KD>k<EX>"};
  TextList own{"丙<AD>http://c.example/<KD>k<EX>"};
  TextList curated{"丁<AD>http://d.example/<KD>k<EX>"};
};

TEST_F(RandomPageTest, PutsTheScriptBlockAndTheExplanationAtTheMarker) {
  Open(3);
  const TextList page = WrittenPage();
  ASSERT_EQ(page.size(), 8u);
  EXPECT_EQ(page[0], "<top>");
  EXPECT_EQ(page[1], "<script>");
  for (std::size_t i = 2; i < 5; ++i) {
    EXPECT_EQ(page[i].rfind("window.open(\"http://", 0), 0u) << page[i];
    EXPECT_EQ(page[i].substr(page[i].size() - 10), "/\",\"\",\"\");") << page[i];
  }
  EXPECT_EQ(page[5], "</script>");
  EXPECT_EQ(
      page[6],
      "<p align=\"center\"><font size=\"3\">由于无法控制浏览器程序，为了不占用太多的系统资源，"
      "我们让浏览器自己<br><br>弹出新窗口来实现随机浏览网址功能。顺便增加了每日一笑的栏目。"
      "<script language=\"javascript\" src=\"https://www.velkor.example/js/joke.js\">"
      "</script></font></p>");
  EXPECT_EQ(page[7], "<bottom>");
  EXPECT_EQ(shell.calls, Lines{"open random.htm maximised"});
  EXPECT_TRUE(messages.informed.empty());
}

TEST_F(RandomPageTest, PoolJoinsDirectoryOwnAndCuratedLinesSplitAgain) {
  const TextList pool = RandomPool({TextList{"a", "b"}, TextList{"c\r\nd"}, TextList{"e"}});
  EXPECT_EQ(pool.lines(), (Lines{"a", "b", "c", "d", "e"}));
}

TEST_F(RandomPageTest, DrawsGoInLastFirstAndDiscardOnlyUnusableLines) {
  const TextList pool{"甲<AD>http://a.example/<KD>k<EX>",    // 0
                      "没有标记 http://x.example/",          // 1
                      "新闻<AD>news://n.example/<KD>k<EX>",  // 2
                      "空<AD><KD>k<EX>",                     // 3: an empty address counts
                      "乙<AD>http://b.example/<KD>k<EX>"};   // 4
  // Indexes 0, 1, 2, 4, 4 (the same line twice), 3, with one wrap-around (7 % 5 == 2).
  const auto page = BuildRandomPage(kData0, pool, 4, Scripted({0, 1, 7, 4, 9, 3}), messages);
  ASSERT_TRUE(page);
  EXPECT_EQ(ScriptLines(*page),
            (Lines{"window.open(\"\",\"\",\"\");", "window.open(\"http://b.example/\",\"\",\"\");",
                   "window.open(\"http://b.example/\",\"\",\"\");",
                   "window.open(\"http://a.example/\",\"\",\"\");"}));
  EXPECT_EQ(messages.informed, Lines{"文件结构出错，请查询"});
}

TEST_F(RandomPageTest, WritesExactlyTheCountOfUsableAddressesWhateverIsDiscarded) {
  // Mostly lines that are discarded, a few usable ones.
  directory.Clear();
  for (int i = 0; i < 30; ++i) {
    directory.Add("新闻组<AD>news://group" + std::to_string(i) + ".example/<KD>k<EX>");
    directory.Add("坏行 " + std::to_string(i));
    directory.Add("旧新闻<AD>http://a.example/?news://x<KD>k<EX>");
  }
  for (const std::int64_t seconds : {0, 1, 17, 1700000000, 1700000001}) {
    messages.informed.clear();
    Open(5, seconds);
    const Lines script = ScriptLines(WrittenPage());
    EXPECT_EQ(script.size(), 5u) << seconds;
    for (const auto& line : script) {
      EXPECT_EQ(line.find("news://"), std::string::npos) << line;
    }
    for (const auto& text : messages.informed) {
      EXPECT_EQ(text, "文件结构出错，请查询");
    }
  }
}

TEST_F(RandomPageTest, TheSameSecondGivesTheSamePage) {
  for (int i = 0; i < 6; ++i) {
    directory.Add("站" + std::to_string(i) + "<AD>http://s" + std::to_string(i) +
                  ".example/<KD>k<EX>");
  }
  Open(6, 1700000000);
  const TextList first = WrittenPage();
  Open(6, 1700000000);
  EXPECT_EQ(WrittenPage(), first);
  // The seed is the second: other seconds draw differently.
  bool differs = false;
  for (const std::int64_t seconds : {1700000001, 1700000002, 1700000003}) {
    Open(6, seconds);
    differs = differs || WrittenPage() != first;
  }
  EXPECT_TRUE(differs);
}

TEST_F(RandomPageTest, TheCountIsUsedAsItIs) {
  const struct {
    std::int32_t count;
    std::size_t lines;
  } cases[] = {{-5, 0}, {0, 0}, {1, 1}, {25, 25}};
  for (const auto& c : cases) {
    shell.calls.clear();
    Open(c.count);
    EXPECT_EQ(ScriptLines(WrittenPage()).size(), c.lines) << c.count;
    EXPECT_EQ(shell.calls.size(), 1u) << c.count;
  }
}

TEST_F(RandomPageTest, OpensTheOverrideFileButStillRewritesTheRandomPage) {
  files::WriteAll("random.htm", "old page");
  files::WriteAll("~random.htm", "override");
  Open(2);
  EXPECT_EQ(WrittenPage()[0], "<top>");
  EXPECT_EQ(files::ReadAll("~random.htm"), "override");
  EXPECT_EQ(shell.calls, Lines{"open ~random.htm maximised"});
}

TEST_F(RandomPageTest, AnAddressBecomesJavaScriptStringContent) {
  const struct {
    const char* label;
    std::string text;
    std::string content;
  } cases[] = {
      {"plain", "http://a.example/?q=1&r=2", "http://a.example/?q=1&r=2"},
      {"double quote", "a\"b", "a\\\"b"},
      {"backslash", "a\\b", "a\\\\b"},
      {"line breaks", "a\r\nb", "a\\r\\nb"},
      {"end tag", "x</script>y", "x<\\/script>y"},
      {"comment opening", "x<!--<script>", "x<\\!--<script>"},
      {"other angle brackets", "<b>", "<b>"},
      // 乗 is 81 5C in GBK: its trail byte is no backslash.
      {"trail byte 0x5C", "乗", "乗"},
      {"trail byte 0x5C, then a backslash", "乗\\俓", "乗\\\\俓"},
      {"Chinese text", "新闻", "新闻"},
      // A lead byte without a trail byte stands alone; what follows counts for itself.
      {"lead byte before a quote", "\x81\"", "\x81\\\""},
      {"lead byte at the end", "a\x81", "a\x81"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JavaScriptStringContent(c.text), c.content) << c.label;
  }
}

TEST_F(RandomPageTest, AHostileAddressCannotLeaveItsString) {
  directory = TextList{"坏<AD>http://x.example/乗\"</script>\\<KD>k<EX>"};
  own.Clear();
  curated.Clear();
  Open(1);
  EXPECT_EQ(ScriptLines(WrittenPage()),
            Lines{"window.open(\"http://x.example/乗\\\"<\\/script>\\\\\",\"\",\"\");"});
}

TEST_F(RandomPageTest, APoolWithoutAUsableLineEndsWithAMessageAndNoPage) {
  const struct {
    const char* label;
    TextList lines;
  } cases[] = {
      {"empty", TextList()},
      {"news only", TextList{"n<AD>news://a.example/<KD>k<EX>", "m<AD>x news://b<KD>k<EX>"}},
      {"no tags", TextList{"one", "two<AD>three<KD>"}},
      {"both", TextList{"n<AD>news://a.example/<KD>k<EX>", "none"}},
  };
  for (const auto& c : cases) {
    messages.informed.clear();
    directory = c.lines;
    own.Clear();
    curated.Clear();
    Open(3);
    EXPECT_EQ(messages.informed, Lines{"没有可以随机打开的网址"}) << c.label;
    EXPECT_FALSE(files::PathExists("random.htm")) << c.label;
    EXPECT_TRUE(shell.calls.empty()) << c.label;
  }
}

TEST_F(RandomPageTest, DrawingThatNeverMeetsTheUsableLineStillEnds) {
  const TextList pool{"甲<AD>http://a.example/<KD>k<EX>", "坏行"};
  const auto page = BuildRandomPage(
      kData0, pool, 2, [] { return 1u; }, messages);
  EXPECT_FALSE(page);
  ASSERT_GE(messages.informed.size(), 2u);
  EXPECT_EQ(messages.informed.front(), "文件结构出错，请查询");
  EXPECT_EQ(messages.informed.back(), "没有可以随机打开的网址");
}

TEST_F(RandomPageTest, APageThatCannotBeWrittenOpensNothing) {
  std::filesystem::create_directory("random.htm");
  EXPECT_THROW(Open(2), FileCreateError);
  EXPECT_TRUE(shell.calls.empty());
}

TEST(RandomCountDialogRules, ReadsWholeDecimalNumbersAndAcceptsOneToTwenty) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const struct {
    const char* text;
    std::int32_t number;
    bool accepted;
  } cases[] = {
      {"1", 1, true},
      {"20", 20, true},
      {"0", 0, false},
      {"21", 21, false},
      {"-3", -3, false},
      {"+7", 7, true},
      {"007", 7, true},
      {" 5", 5, true},  // blanks around the number are not part of it
      {"5\t ", 5, true},
      {"abc", 2, true},  // not a number: 2
      {"", 2, true},
      {"-", 2, true},
      {"1.5", 2, true},
      {"5 5", 2, true},
      {"0x10", 2, true},
      {"５", 2, true},  // a full-width digit
      {"99999999999", kMax, false},
      {"-99999999999", kMin, false},
      {"-2147483648", kMin, false},
  };
  for (const auto& c : cases) {
    const std::int32_t number = RandomCountDialogRules::Parse(c.text);
    EXPECT_EQ(number, c.number) << '"' << c.text << '"';
    EXPECT_EQ(RandomCountDialogRules::Accepts(number), c.accepted) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace velkor
