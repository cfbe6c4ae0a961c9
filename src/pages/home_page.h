// The product's home page (its address is set once, in the top-level CMakeLists).
#pragma once

#include <string_view>

namespace velkor {

inline constexpr std::string_view kHomePage = VELKOR_HOME_PAGE;

}  // namespace velkor
