#include <gtest/gtest.h>

#include "text/errors.h"
#include "text/text_list.h"

namespace velkor {
namespace {

struct SplitCase {
  const char* label;
  std::string text;
  std::vector<std::string> lines;
};

TEST(TextList, SplitsAtEveryKindOfLineBreak) {
  const SplitCase cases[] = {
      {"empty", "", {}},
      {"one line without a break", "abc", {"abc"}},
      {"final break adds no line", "abc\r\n", {"abc"}},
      {"lone break is one empty line", "\r\n", {""}},
      {"CR LF", "a\r\nb\r\n", {"a", "b"}},
      {"lone LF", "a\nb\n", {"a", "b"}},
      {"lone CR", "a\rb\r", {"a", "b"}},
      {"LF CR is two breaks", "a\n\rb", {"a", "", "b"}},
      {"empty lines kept", "a\r\n\r\nb", {"a", "", "b"}},
      {"two final breaks", "a\r\n\r\n", {"a", ""}},
      {"NUL ends the text", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
      {"Chinese", "新浪\r\n新闻\n", {"新浪", "新闻"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextList::FromText(c.text).lines(), c.lines) << c.label;
  }
}

TEST(TextList, TextEndsEveryLineWithCrLf) {
  EXPECT_EQ(TextList({"a", "", "新浪"}).Text(), "a\r\n\r\n新浪\r\n");
  EXPECT_EQ(TextList().Text(), "");
  // Lines read with other breaks are saved with CR LF.
  EXPECT_EQ(TextList::FromText("a\nb").Text(), "a\r\nb\r\n");
}

TEST(TextList, FindsWholeLinesIgnoringAsciiCaseOnly) {
  const TextList list({"Hello", "在此加入", "abc=1"});
  EXPECT_EQ(list.IndexOf("hello"), 0);
  EXPECT_EQ(list.IndexOf("HELLO"), 0);
  EXPECT_EQ(list.IndexOf("在此加入"), 1);
  EXPECT_EQ(list.IndexOf(" 在此加入"), -1);
  EXPECT_EQ(list.IndexOf("abc"), -1);
  // The trail bytes of a double-byte character are compared exactly, even
  // where they look like ASCII letters (0x81 0x41 and 0x81 0x61 differ).
  const TextList trail({"\x81\x41"});
  EXPECT_EQ(trail.IndexOf("\x81\x61"), -1);
  EXPECT_EQ(trail.IndexOf("\x81\x41"), 0);
}

TEST(TextList, LineNameIsTheTextBeforeTheFirstEquals) {
  EXPECT_EQ(LineName("下载软件=download_software.htm"), "下载软件");
  EXPECT_EQ(LineName("a=b=c"), "a");
  EXPECT_EQ(LineName("no equals"), "");
  EXPECT_EQ(LineName("=x"), "");
}

TEST(TextList, CheckedAccessThrowsPastTheEnd) {
  TextList list({"a"});
  EXPECT_EQ(list.at(0), "a");
  EXPECT_THROW(list.at(1), ListIndexError);
  EXPECT_THROW(list.Delete(1), ListIndexError);
  try {
    list.at(5);
  } catch (const ListIndexError& error) {
    EXPECT_STREQ(error.what(), "List index out of bounds (5)");
  }
}

}  // namespace
}  // namespace velkor
