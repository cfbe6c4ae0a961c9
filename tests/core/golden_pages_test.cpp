// The pages the program writes, compared byte for byte with the pages kept in
// tests/golden. After a deliberate change to a template or a table, run the
// tests once with VELKOR_UPDATE_GOLDEN=1 and review the diff of tests/golden.
#include <gtest/gtest.h>

#include <cstdlib>

#include "fakes.h"
#include "pages/page_writer.h"
#include "pages/partner_fragments.h"
#include "pages/random_page.h"
#include "pages/search_page.h"
#include "platform/files.h"
#include "test_folder.h"

namespace velkor {
namespace {

std::string GoldenPath(const std::string& name) {
  std::string path = std::string(VELKOR_TEST_SOURCE_DIR) + "/golden/" + name;
#ifdef _WIN32
  path = "Z:" + path;  // Wine's drive for the Unix root
#endif
  return path;
}

void ExpectGolden(const std::string& name, const std::string& page) {
  const std::string path = GoldenPath(name);
  if (std::getenv("VELKOR_UPDATE_GOLDEN") != nullptr) {
    files::WriteAll(path, page);
  }
  ASSERT_TRUE(files::Exists(path)) << path;
  EXPECT_TRUE(files::ReadAll(path) == page) << name << " differs from the page written";
}

TEST(GoldenPages, CategoryPagesOnBothTemplatesAndTheOwnBookmarkPage) {
  TestFolder folder;
  Templates templates = Templates::BuiltIn();
  FakeMessages messages;
  const auto fragments = [](TextList& list, const std::string& file) {
    list = file == "datau.qx" ? TextList{"<b>上方横幅</b>"}
           : file == "datad.qx"
               ? TextList{"<b>下方横幅</b>"}
               : TextList{"<a href=\"https://www.velkor.example/\">合作信息</a>", "第二行"};
  };
  for (const char* name : {"datau.qx", "datad.qx", "datac.qx"}) {
    files::WriteAll(name, "");
  }
  ASSERT_TRUE(InsertPartnerFragments(templates.Data2, messages, fragments));

  const TextList curated{
      "新华网<AD>https://www.xinhuanet.com/<KD>新闻<EX>国家通讯社的新闻网站",
      "人民网<AD>https://www.people.com.cn/<KD>新闻<EX>",
  };
  const TextList directory{
      "新浪新闻<AD>https://news.sina.com.cn/<KD>新闻<EX>门户的新闻频道",
      "网易新闻<AD>https://news.163.com/<KD>新闻<EX>",
      "澎湃新闻<AD>https://www.thepaper.cn/<KD>新闻<EX>",
      "央视网<AD>https://www.cctv.com/<KD>新闻<EX>",
      "中国新闻网<AD>https://www.chinanews.com.cn/<KD>新闻网站<EX>",
      "凤凰网<AD>https://www.ifeng.com/<KD>新闻<EX>",
      "<script>document.title='injected'</script><AD>https://x.example/?a=1&b=\"2\"<KD>新闻<EX>a < "
      "b",
      "下载站<AD>https://www.onlinedown.net/<KD>下载软件<EX>",
  };
  const TextList own{
      "我的博客<AD>https://blog.example.com/<KD>个人<EX>自己写的东西",
      "天气<AD>https://www.weather.com.cn/<KD><EX>",
      "地图<AD>https://map.baidu.com/<KD>工具<EX>",
  };
  PageFlags flags;
  FakeShell shell;
  const PageContext context{templates, flags, shell, messages, false};

  WriteListPage(context, directory, curated, "新闻", CuratedSectionHeader());
  ExpectGolden("category-house.htm", files::ReadAll("www.htm"));
  WriteListPage(context, directory, curated, "新闻", CuratedSectionHeader());
  ExpectGolden("category-partner.htm", files::ReadAll("www.htm"));
  WriteListPage(context, own, curated, "", "0");
  ExpectGolden("own-all.htm", files::ReadAll("www.htm"));
  // Keyword searches, by text and by pinyin through the index files.
  TextList{"xinhuawang xhw", "renminwang rmw"}.SaveToFile("jhpy.qx");
  TextList{"xinlangxinwen xlxw",
           "wangyixinwen wyxw",
           "pengpaixinwen ppxw",
           "yangshiwang ysw",
           "zhongguoxinwenwang zgxww",
           "fenghuangwang fhw",
           "-",
           "xiazaizhan xzz"}
      .SaveToFile("webpy.qx");
  WriteSearchPage(context, directory, own, curated, CuratedSectionHeader(), "新闻");
  ExpectGolden("search-text.htm", files::ReadAll("www.htm"));
  WriteSearchPage(context, directory, own, curated, CuratedSectionHeader(), "xinwen");
  ExpectGolden("search-pinyin.htm", files::ReadAll("www.htm"));
  // A random page of four draws from addresses that try to break out of the script.
  const TextList tricky{
      "引号<AD>http://q.example/?a=\"1\"&b=\\<KD><EX>",
      "脚本<AD>http://s.example/</script><script>window.broken=1</script><KD><EX>",
      "新闻组<AD>news://news.example/<KD><EX>",
  };
  OpenRandomPage(templates.Data0, {tricky, TextList(), TextList()}, 4, 4, shell, messages);
  ExpectGolden("random.htm", files::ReadAll("random.htm"));
  // The search-form page is the built-in template as it stands.
  ExpectGolden("search.htm", templates.DataSearch.Text());
  EXPECT_TRUE(messages.informed.empty());
}

}  // namespace
}  // namespace velkor
