#include <gtest/gtest.h>

#include "data/scrambled.h"
#include "platform/files.h"
#include "win/bar_fixture.h"

namespace velkor {
namespace {

TEST_F(BarTest, AMissingDataFileIsReportedOnceAndEndsTheRunWithoutTheCloseSequence) {
  files::Remove("data2");
  files::WriteAll("data0", Scramble("a<AD>http://a.example/<KD>k<EX>\r\n"));
  files::WriteAll("self.txt", "b<AD>http://b.example/<KD><EX>\r\n");
  StartBar();
  EXPECT_EQ(messages.informed,
            std::vector<std::string>{"文件打开出错，可能已经删除了网址数据文件"});
  EXPECT_TRUE(application->terminated());
  // The later steps still ran: data0 was read and the minimise event was set.
  EXPECT_EQ(bar->state.curated.lines(),
            std::vector<std::string>{"a<AD>http://a.example/<KD>k<EX>"});
  bar->sbMiniClick();
  EXPECT_FALSE(IsWindowVisible(application->hwnd()));
  // The loop ends as soon as it starts, and FormClose never runs.
  EXPECT_EQ(application->Run(), 0);
  EXPECT_EQ(bar->state.own_bookmarks.size(), 1u);
}

TEST_F(BarTest, StartUpDecodesTheDataInMemoryAndLeavesAFileNamedTmpAlone) {
  files::WriteAll("data2", Scramble("d<AD>http://d.example/<KD>新闻<EX>说明\r\n"));
  files::WriteAll("data0", Scramble(""));
  files::WriteAll("tmp", "the user's own file");
  StartBar();
  EXPECT_TRUE(messages.informed.empty());
  EXPECT_FALSE(application->terminated());
  EXPECT_EQ(bar->state.directory.lines(),
            std::vector<std::string>{"d<AD>http://d.example/<KD>新闻<EX>说明"});
  EXPECT_TRUE(bar->state.curated.empty());
  EXPECT_EQ(files::ReadAll("tmp"), "the user's own file");
}

}  // namespace
}  // namespace velkor
