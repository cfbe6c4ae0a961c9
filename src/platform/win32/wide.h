// GBK <-> UTF-16 at the edge of the Windows API.
#pragma once

#include <string>
#include <string_view>

#include "text/gbk.h"

namespace velkor::win32 {

inline std::wstring Wide(std::string_view gbk) {
  const std::u16string text = GbkToUtf16(gbk);
  return std::wstring(text.begin(), text.end());
}

inline std::string Narrow(std::wstring_view text) {
  return Utf16ToGbk(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

}  // namespace velkor::win32
