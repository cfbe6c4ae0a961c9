#include <gtest/gtest.h>

#include "fakes.h"
#include "pages/home_page.h"
#include "pages/search_page.h"
#include "platform/files.h"
#include "test_folder.h"
#include "text/errors.h"

namespace velkor {
namespace {

class SearchPageTest : public testing::Test {
 protected:
  SearchPageTest() {
    TextList{"xinlang xl", "xinzhan xz"}.SaveToFile("jhpy.qx");
    TextList{"xinwenzaixian xwzx", "xiazai xz", "a{bzhan", "-"}.SaveToFile("webpy.qx");
  }
  void Search(std::string_view keyword) {
    WriteSearchPage({templates, flags, shell, messages, false}, directory, own, curated,
                    CuratedSectionHeader(), keyword);
  }
  // The link addresses of each section of the written page, curated first.
  std::vector<std::string> Sections() {
    std::vector<std::string> sections;
    for (const auto& line : TextList::FromText(files::ReadAll("www.htm"))) {
      if (line.find("<td height=\"19\">") != std::string::npos) {
        sections.emplace_back();
        continue;
      }
      for (std::size_t at = line.find("href=\""); at != std::string::npos;
           at = line.find("href=\"", at + 1)) {
        const std::size_t start = at + 6;
        const std::string address = line.substr(start, line.find('"', start) - start);
        if (address != kHomePage && !sections.empty()) {
          sections.back() += (sections.back().empty() ? "" : " ") + address;
        }
      }
    }
    return sections;
  }

  TestFolder folder;
  Templates templates{TextList({"<p>", "在此加入", "</p>"}), TextList({"<q>", "在此加入", "</q>"}),
                      TextList()};
  PageFlags flags;
  FakeShell shell;
  FakeMessages messages;
  TextList curated{"新浪<AD>sina<KD>新闻<EX>门户", "Xin站<AD>xinzhan<KD>其他<EX>"};
  TextList directory{"新闻在线<AD>d0<KD>国内新闻<EX>", "下载<AD>d1<KD>下载软件<EX>",
                     "a{b站<AD>d2<KD><EX>", "www.example.com<AD>d3<KD><EX>"};
  TextList own{"xin<AD>own-xin<KD><EX>", "Xin博客<AD>own-Xin<KD><EX>",
               "新闻收藏<AD>own-news<KD><EX>", "输入后回车 记<AD>own-prompt<KD><EX>"};
};

TEST_F(SearchPageTest, KeywordsFindRecordsByTextOrByPinyin) {
  const struct {
    const char* keyword;
    std::vector<std::string> sections;  // curated, own bookmarks, directory
  } cases[] = {
      {"xl", {"", "", ""}},                 // pinyin of two letters searches nothing
      {"xin", {"sina xinzhan", "", "d0"}},  // never the own bookmark named xin
      {"Xin", {"xinzhan", "own-Xin", ""}},  // a capital makes it text, case kept
      {"新闻", {"sina", "own-news", "d0"}},
      {"a{b", {"", "", "d2"}},                 // { counts as a pinyin letter
      {"www.example.com", {"", "", "d3"}},     // an address is searched, not opened
      {"输入后回车", {"", "own-prompt", ""}},  // the untouched prompt is a keyword too
  };
  for (const auto& c : cases) {
    Search(c.keyword);
    EXPECT_EQ(Sections(), c.sections) << c.keyword;
  }
  EXPECT_TRUE(messages.informed.empty());
}

TEST_F(SearchPageTest, ClassifiesKeywordsBySignedBytes) {
  for (const char* text : {"Xin", "a b", "x1", "新闻", "www.a.cn", "xin闻"}) {
    EXPECT_TRUE(IsTextKeyword(text)) << text;
  }
  for (const char* pinyin : {"", "xin", "a{b", "~|}"}) {
    EXPECT_FALSE(IsTextKeyword(pinyin)) << pinyin;
  }
}

TEST_F(SearchPageTest, MissingOrShortIndexEndsTheSearchWithoutAPage) {
  files::Remove("jhpy.qx");
  EXPECT_THROW(Search("新闻"), FileOpenError) << "text keywords need the index files too";
  TextList{"xinlang xl"}.SaveToFile("jhpy.qx");
  EXPECT_THROW(Search("xin"), ListIndexError);
  EXPECT_FALSE(files::Exists("www.htm"));
  EXPECT_TRUE(shell.calls.empty());
  EXPECT_TRUE(flags.NextPageUsesData0);
}

TEST(KeywordHistory, NewestFirstWithAtMostOneEntryDropped) {
  TextList history;
  EXPECT_TRUE(AddToHistory(history, "A"));
  EXPECT_TRUE(AddToHistory(history, "B"));
  EXPECT_FALSE(AddToHistory(history, "B")) << "a repeat of the top entry";
  EXPECT_TRUE(AddToHistory(history, "A"));
  EXPECT_EQ(history, TextList({"A", "B", "A"}));

  TextList thirty;
  for (int i = 0; i < 30; ++i) {
    thirty.Add(std::to_string(i));
  }
  AddToHistory(thirty, "new");
  EXPECT_EQ(thirty.size(), 30u);
  EXPECT_EQ(thirty[0], "new");
  EXPECT_EQ(thirty[29], "28") << "the former 30th entry dropped";

  TextList long_list;
  for (int i = 0; i < 40; ++i) {
    long_list.Add(std::to_string(i));
  }
  AddToHistory(long_list, "new");
  EXPECT_EQ(long_list.size(), 40u) << "one removed per search";
  EXPECT_EQ(long_list[30], "30");
}

}  // namespace
}  // namespace velkor
