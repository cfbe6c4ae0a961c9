#include "pages/partner_fragments.h"

#include "platform/files.h"
#include "text/errors.h"

namespace velkor {

bool InsertPartnerFragments(TextList& data2, Messages& messages, const LoadScrambled& load) {
  for (const char* file : {"datau.qx", "datad.qx", "datac.qx"}) {
    if (!files::Exists(file)) {
      messages.Inform("文件打开出错，可能已经删除了网址数据文件\n请重新安装Velkor书签——daveve");
      return false;
    }
  }
  static constexpr struct {
    const char* file;
    const char* marker;
  } kSteps[] = {
      {"datau.qx", "插入合作网站上方广告"},
      {"datad.qx", "插入合作网站下方广告"},
      {"datac.qx", "插入合作网站信息"},
      {"datac.qx", "插入合作网站信息"},  // the footer's, the one left
  };
  TextList work = data2;
  TextList fragment;
  for (const auto& step : kSteps) {
    load(fragment, step.file);
    const int m = work.IndexOf(step.marker);
    if (m < 0) {
      throw ListIndexError(work.size());
    }
    work.Delete(static_cast<std::size_t>(m));
    // One piece: the fragment's lines with their breaks, so that splitting
    // the text again leaves an empty line after it.
    work.Insert(static_cast<std::size_t>(m), fragment.Text());
  }
  data2 = TextList::FromText(work.Text());
  return true;
}

}  // namespace velkor
