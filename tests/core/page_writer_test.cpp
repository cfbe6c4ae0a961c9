#include <gtest/gtest.h>

#include <filesystem>

#include "data/scrambled.h"
#include "fakes.h"
#include "pages/page_writer.h"
#include "pages/partner_fragments.h"
#include "platform/files.h"
#include "test_folder.h"
#include "text/errors.h"

namespace velkor {
namespace {

// Two small templates, so a page shows which one it was built on.
Templates SmallTemplates() {
  return {TextList({"<house>", "在此加入", "</house>"}),
          TextList({"<partner>", "在此加入", "</partner>"}), TextList({"<search>"})};
}

class PageWriterTest : public testing::Test {
 protected:
  PageContext Context(bool new_window = false) {
    return {templates, flags, shell, messages, new_window};
  }
  TextList WrittenPage(const char* file = "www.htm") {
    return TextList::FromText(files::ReadAll(file));
  }

  TestFolder folder;
  Templates templates = SmallTemplates();
  PageFlags flags;
  FakeShell shell;
  FakeMessages messages;
  TextList own{"有说明<AD>http://a.example/<KD>k<EX>说明", "无说明<AD>http://b.example/<KD>k<EX>"};
};

TEST_F(PageWriterTest, OwnBookmarkPagesHaveOneSectionAboveTheirTables) {
  WriteListPage(Context(), own, TextList(), "", "0");
  const TextList page = WrittenPage();
  ASSERT_GE(page.size(), 6u);
  EXPECT_EQ(page[0], "<house>");
  EXPECT_EQ(page[1], SectionHeader("自家书签"));
  EXPECT_EQ(page[2], "<table width=\"100%\" border=\"0\">");  // the detail table first
  EXPECT_NE(page[4].find("有说明"), std::string::npos);
  EXPECT_EQ(page[5], "</table>");
  EXPECT_EQ(page[6], "<table width=\"100%\" border=\"0\">");  // then the grid
  EXPECT_NE(page[7].find("无说明"), std::string::npos);
  EXPECT_EQ(page.lines().back(), "</house>");
  EXPECT_EQ(shell.calls, std::vector<std::string>{"open C:\\velkor\\www.htm"});
}

TEST_F(PageWriterTest, DirectoryPagesPutTheCuratedSectionFirst) {
  const TextList curated{"精选<AD>http://c.example/<KD>新闻<EX>"};
  const TextList directory{"目录<AD>http://d.example/<KD>新闻<EX>"};
  WriteListPage(Context(), directory, curated, "新闻", CuratedSectionHeader());
  std::vector<std::string> order;
  for (const auto& line : WrittenPage()) {
    for (const char* mark : {"精华书签 千里挑一", "精选", "分类书签", "目录"}) {
      if (line.find(mark) != std::string::npos) {
        order.push_back(mark);
        break;
      }
    }
  }
  EXPECT_EQ(order, (std::vector<std::string>{"精华书签 千里挑一", "精选", "分类书签", "目录"}));
}

TEST_F(PageWriterTest, SectionHeaderKeepsItsRunsOfSpaces) {
  EXPECT_EQ(SectionHeader("分类书签"),
            "<br><table width=\"25%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\" "
            "bordercolordark=\"#FFFFFF\" bordercolorlight=\"#408080\" bgcolor=\"#FFFFCC\" "
            "align=\"center\">        <tr align=\"center\">           <td height=\"19\">分类书签"
            "</td>        </tr>      </table><br>");
}

TEST_F(PageWriterTest, TemplatesAlternateFromTheHouseTemplate) {
  for (const char* expected : {"<house>", "<partner>", "<house>"}) {
    WriteListPage(Context(), own, TextList(), "", "0");
    EXPECT_EQ(WrittenPage()[0], expected);
  }
}

TEST_F(PageWriterTest, ChoosesThePageFileAndTheFileToOpen) {
  // An undeletable www.htm (a folder of that name) sends the page to the spare file.
  std::filesystem::create_directory("www.htm");
  files::WriteAll("~tmp.htm", "override");
  WriteListPage(Context(), own, TextList(), "", "0");
  EXPECT_TRUE(flags.PageInSpareFile);
  EXPECT_EQ(WrittenPage("wwww.htm")[0], "<house>");
  EXPECT_EQ(shell.calls.back(), "open C:\\velkor\\wwww.htm") << "~tmp.htm is ignored";

  // Once www.htm can be deleted again, pages go back to it; ~tmp.htm is opened instead.
  std::filesystem::remove("www.htm");
  files::WriteAll("www.htm", "old page");
  WriteListPage(Context(), own, TextList(), "", "0");
  EXPECT_FALSE(flags.PageInSpareFile);
  EXPECT_EQ(WrittenPage()[0], "<partner>");
  EXPECT_EQ(shell.calls.back(), "open C:\\velkor\\~tmp.htm");

  std::filesystem::remove("~tmp.htm");
  WriteListPage(Context(), own, TextList(), "", "0");
  EXPECT_EQ(shell.calls.back(), "open C:\\velkor\\www.htm");
}

TEST_F(PageWriterTest, NewWindowModeStartsTheBrowserWithThePathUnquoted) {
  shell.folder = "C:\\My Programs\\velkor";
  WriteListPage(Context(true), own, TextList(), "", "0");
  EXPECT_EQ(shell.calls,
            (std::vector<std::string>{"find www.htm",
                                      "start C:\\browser.exe C:\\My Programs\\velkor\\www.htm"}));
  EXPECT_EQ(flags.BrowserPath, "C:\\browser.exe");
}

TEST_F(PageWriterTest, APageThatCannotBeWrittenOpensNothingAndKeepsTheFlags) {
  std::filesystem::create_directory("www.htm");
  std::filesystem::create_directory("wwww.htm");
  EXPECT_THROW(WriteListPage(Context(), own, TextList(), "", "0"), FileCreateError);
  EXPECT_TRUE(shell.calls.empty());
  EXPECT_TRUE(flags.NextPageUsesData0);
  EXPECT_FALSE(flags.PageInSpareFile);
}

TEST_F(PageWriterTest, PartnerFragmentsReplaceTheirMarkersWithAnEmptyLineAfter) {
  TextList data2{"top",
                 "插入合作网站上方广告",
                 "mid",
                 "插入合作网站信息",
                 "插入合作网站下方广告",
                 "插入合作网站信息",
                 "end"};
  files::WriteAll("datau.qx", "");
  files::WriteAll("datad.qx", Scramble("下方\r\n"));
  files::WriteAll("datac.qx", Scramble("信息一\r\n信息二"));
  const auto load = [](TextList& list, const std::string& name) { list = ReadScrambledFile(name); };
  ASSERT_TRUE(InsertPartnerFragments(data2, messages, load));
  EXPECT_EQ(data2.lines(), (std::vector<std::string>{"top", "", "mid", "信息一", "信息二", "",
                                                     "下方", "", "信息一", "信息二", "", "end"}));
}

TEST_F(PageWriterTest, AMissingPartnerFragmentIsReportedAndLeavesTheTemplate) {
  const TextList built_in{"插入合作网站上方广告"};
  TextList data2 = built_in;
  files::WriteAll("datau.qx", "");
  files::WriteAll("datac.qx", "");
  bool loaded = false;
  EXPECT_FALSE(InsertPartnerFragments(data2, messages,
                                      [&](TextList&, const std::string&) { loaded = true; }));
  EXPECT_EQ(messages.informed,
            std::vector<std::string>{
                "文件打开出错，可能已经删除了网址数据文件\n请重新安装Velkor书签——daveve"});
  EXPECT_EQ(data2, built_in);
  EXPECT_FALSE(loaded);
}

}  // namespace
}  // namespace velkor
