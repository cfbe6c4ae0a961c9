#include <gtest/gtest.h>

#include "data/record.h"

namespace velkor {
namespace {

struct RecordCase {
  const char* label;
  std::string line;
  std::string name, address, kind, explanation;
};

TEST(SplitRecord, TakesFieldsByTheFirstTagPositions) {
  const RecordCase cases[] = {
      {"whole record", "新浪<AD>https://www.sina.com.cn/<KD>新闻<EX>门户", "新浪",
       "https://www.sina.com.cn/", "新闻", "门户"},
      {"empty explanation", "新浪<AD>x.htm<KD>新闻<EX>", "新浪", "x.htm", "新闻", ""},
      {"all empty", "<AD><KD><EX>", "", "", "", ""},
      {"second <EX> stays in the explanation", "a<AD>b<KD><EX>c<EX>d", "a", "b", "", "c<EX>d"},
      {"tag inside the name cuts it", "x<AD>y<AD>addr<KD>k<EX>e", "x", "y<AD>addr", "k", "e"},
      // Out of order: spans of zero or negative length are empty, long ones are cut.
      {"kind tag first", "<KD>k<AD>a<EX>e", "<KD>k", "", "k<AD>a", "e"},
      {"explanation tag first", "<EX>e<AD>a<KD>k", "<EX>e", "a", "", ""},
      // The explanation takes at most L - K - 4 bytes.
      {"explanation cut by the kind position", "<EX>eeeeee<AD><KD>kk", "<EX>eeeeee", "", "", "e"},
  };
  for (const auto& c : cases) {
    std::string name, address, kind, explanation;
    ASSERT_TRUE(SplitRecord(c.line, name, address, kind, explanation)) << c.label;
    EXPECT_EQ(name, c.name) << c.label;
    EXPECT_EQ(address, c.address) << c.label;
    EXPECT_EQ(kind, c.kind) << c.label;
    EXPECT_EQ(explanation, c.explanation) << c.label;
  }
}

TEST(SplitRecord, LeavesOutputsUntouchedWhenATagIsMissing) {
  for (const char* line : {"", "a<AD>b<KD>c", "a<AD>b<EX>c", "a<KD>b<EX>c", "a<ad>b<KD>c<EX>d"}) {
    std::string name = "n", address = "a", kind = "k", explanation = "e";
    EXPECT_FALSE(SplitRecord(line, name, address, kind, explanation)) << line;
    EXPECT_EQ(name + address + kind + explanation, "nake") << line;
  }
}

}  // namespace
}  // namespace velkor
