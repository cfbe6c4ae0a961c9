// GBK conversion for the Windows build, through the system's code page 936
// tables (named explicitly, whatever the user's own code page is).
#include <windows.h>

#include "text/errors.h"
#include "text/gbk.h"

namespace velkor {
namespace {

constexpr UINT kGbk = 936;

std::string ToGbk(std::u16string_view text, bool strict) {
  if (text.empty()) {
    return {};
  }
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(kGbk, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(kGbk, 0, wide, length, out.data(), size, "?", &lossy);
  if (strict && lossy) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      BOOL one_lossy = FALSE;
      char buffer[8];
      WideCharToMultiByte(kGbk, 0, wide + i, 1, buffer, sizeof buffer, "?", &one_lossy);
      if (one_lossy) {
        throw EncodingError("character without a GBK form at offset " + std::to_string(i));
      }
    }
  }
  return out;
}

}  // namespace

std::u16string GbkToUtf16(std::string_view gbk) {
  if (gbk.empty()) {
    return {};
  }
  const int length = static_cast<int>(gbk.size());
  const int size = MultiByteToWideChar(kGbk, 0, gbk.data(), length, nullptr, 0);
  std::u16string out(static_cast<std::size_t>(size), u'\0');
  MultiByteToWideChar(kGbk, 0, gbk.data(), length, reinterpret_cast<wchar_t*>(out.data()), size);
  return out;
}

std::string Utf16ToGbk(std::u16string_view text) {
  return ToGbk(text, false);
}

std::string Utf16ToGbkStrict(std::u16string_view text) {
  return ToGbk(text, true);
}

}  // namespace velkor
