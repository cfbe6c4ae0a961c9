#include <gtest/gtest.h>

#include "data/scrambled.h"
#include "platform/files.h"
#include "test_folder.h"
#include "text/errors.h"

namespace velkor {
namespace {

TEST(Scrambled, DecodesAVectorWorkedOutByHand) {
  // Key 517 = 0x0205: 'A' 0x41 ^ 0x02 = 0x43; key (517 + 0x43) * 29 + 643 = 0x44AB.
  // 'B' 0x42 ^ 0x44 = 0x06; key 0xCA90. CR 0x0D ^ 0xCA = 0xC7; key 0x0B5E. LF 0x0A ^ 0x0B = 0x01.
  const std::string scrambled = "\x43\x06\xC7\x01";
  EXPECT_EQ(Unscramble(scrambled), "AB\r\n");
  EXPECT_EQ(Scramble("AB\r\n"), scrambled);
}

TEST(Scrambled, RoundTripsAndSplitsLikeAnyTextList) {
  const struct {
    std::string plain;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"one line without a break", {"one line without a break"}},
      {"a\rb\nc\r\nd\r\n", {"a", "b", "c", "d"}},
      {"新浪<AD>https://www.sina.com.cn/<KD>新闻<EX>门户\r\n\r\n",
       {"新浪<AD>https://www.sina.com.cn/<KD>新闻<EX>门户", ""}},
      {std::string("\0\xFF\x80", 3), {}},
  };
  TestFolder folder;
  for (const auto& c : cases) {
    EXPECT_EQ(Unscramble(Scramble(c.plain)), c.plain);
    files::WriteAll("data2", Scramble(c.plain));
    // The key starts again for every file, so reading twice gives the same lines.
    EXPECT_EQ(ReadScrambledFile("data2").lines(), c.lines);
    EXPECT_EQ(ReadScrambledFile("data2").lines(), c.lines);
  }
}

TEST(Scrambled, AMissingFileIsAFileOpenErrorAndNothingIsWritten) {
  TestFolder folder;
  EXPECT_THROW(ReadScrambledFile("data0"), FileOpenError);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

}  // namespace
}  // namespace velkor
