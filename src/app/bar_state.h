// The state the bar window keeps for the whole run and shares with the
// page writers, the search, random browsing and the settings.
#pragma once

#include <cstdint>

#include "pages/page_writer.h"
#include "text/text_list.h"

namespace velkor {

struct BarState {
  TextList own_bookmarks;  // the lines of self.txt
  TextList directory;      // the decoded data2
  TextList curated;        // the decoded data0
  std::int32_t RandomCount = 2;
  PageFlags page;  // NextPageUsesData0, PageInSpareFile, BrowserPath
  Templates templates = Templates::BuiltIn();
};

}  // namespace velkor
