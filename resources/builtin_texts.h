// The texts built into the program, as GBK (made from resources/texts).
#pragma once

#include <string_view>

namespace velkor::builtin {

// The directory groups and entries: group lines "--------------------" + name,
// entry lines name "=" page.
extern const std::string_view kData1;

// The page templates: the house template, the partner template (completed at
// start-up with the partner fragments) and the page of web search forms.
extern const std::string_view kData0;
extern const std::string_view kData2;
extern const std::string_view kDataSearch;

}  // namespace velkor::builtin
