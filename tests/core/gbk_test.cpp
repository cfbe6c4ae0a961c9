#include <gtest/gtest.h>

#include "text/errors.h"
#include "text/gbk.h"

namespace velkor {
namespace {

TEST(Gbk, ConvertsBothWaysWithCodePage936) {
  // "分类书签" as GBK bytes and as UTF-16, whatever the system's code page.
  const std::string gbk = "\xB7\xD6\xC0\xE0\xCA\xE9\xC7\xA9";
  const std::u16string text = u"分类书签";
  EXPECT_EQ(GbkToUtf16(gbk), text);
  EXPECT_EQ(Utf16ToGbk(text), gbk);
  EXPECT_EQ(GbkToUtf16("abc"), u"abc");
  EXPECT_EQ(GbkToUtf8(gbk), std::string(u8"分类书签", u8"分类书签" + 12));
}

TEST(Gbk, CharactersWithoutGbkFormAreReplacedOrReported) {
  const std::u16string text = u"a\U0001F600b";  // an emoji has no GBK form
  EXPECT_EQ(Utf16ToGbk(u"a\u0E01b"), "a?b");
  EXPECT_THROW(Utf16ToGbkStrict(u"a\u0E01b"), EncodingError);
  EXPECT_THROW(Utf16ToGbkStrict(text), EncodingError);
  EXPECT_EQ(Utf16ToGbkStrict(u"新闻"), "新闻");
}

TEST(Utf8, RoundTripsAndRejectsMalformedInput) {
  const std::string utf8(u8"新闻 a \U0001F600", u8"新闻 a \U0001F600" + 13);
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(utf8)), utf8);
  for (const char* bad : {"\xC0\x80", "\xE6\x96", "\xFF", "\xED\xA0\x80"}) {
    EXPECT_THROW(Utf8ToUtf16(bad), EncodingError) << bad;
  }
}

}  // namespace
}  // namespace velkor
