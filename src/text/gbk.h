// GBK (code page 936) is the program's one inner text form. These convert it
// to and from UTF-16 for the Windows API, and to and from UTF-8 for the
// maintainers' source files. The code page is named explicitly, so nothing
// depends on the system's own code page.
#pragma once

#include <string>
#include <string_view>

namespace velkor {

// Bytes that are not GBK become U+FFFD.
std::u16string GbkToUtf16(std::string_view gbk);

// Characters without a GBK form become '?'.
std::string Utf16ToGbk(std::u16string_view text);

// Strict form: throws EncodingError naming the first character without a GBK form.
std::string Utf16ToGbkStrict(std::u16string_view text);

// UTF-8 <-> UTF-16, portable. Throws EncodingError on malformed UTF-8.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view text);

inline std::string Utf8ToGbkStrict(std::string_view utf8) {
  return Utf16ToGbkStrict(Utf8ToUtf16(utf8));
}
inline std::string GbkToUtf8(std::string_view gbk) {
  return Utf16ToUtf8(GbkToUtf16(gbk));
}

// True when byte c leads a double-byte GBK character.
inline bool IsGbkLeadByte(unsigned char c) {
  return c >= 0x81 && c <= 0xFE;
}

}  // namespace velkor
