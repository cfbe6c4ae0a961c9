// GBK conversion for the native build, through iconv with code page 936.
#include <iconv.h>

#include <cerrno>
#include <memory>

#include "text/errors.h"
#include "text/gbk.h"

namespace velkor {
namespace {

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using Converter = std::unique_ptr<void, IconvCloser>;

Converter Open(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    throw EncodingError(std::string("no converter from ") + from + " to " + to);
  }
  return Converter(cd);
}

// Converts one unit at a time where a whole run fails, so a bad unit is
// replaced (or reported) and the rest still converts.
std::string Run(const Converter& cd, const char* data, std::size_t size, std::size_t unit,
                const std::string& replacement, bool strict) {
  std::string out(size * 2 + 8, '\0');
  char* in_ptr = const_cast<char*>(data);
  std::size_t in_left = size;
  std::size_t written = 0;
  while (in_left > 0) {
    char* out_ptr = out.data() + written;
    std::size_t out_left = out.size() - written;
    const std::size_t result =
        iconv(static_cast<iconv_t>(cd.get()), &in_ptr, &in_left, &out_ptr, &out_left);
    written = out.size() - out_left;
    if (result != static_cast<std::size_t>(-1)) {
      break;
    }
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    if (strict) {
      throw EncodingError("character without a GBK form at offset " +
                          std::to_string((size - in_left) / unit));
    }
    // EILSEQ or EINVAL: replace the offending unit and go on.
    const std::size_t skip = std::min(unit, in_left);
    in_ptr += skip;
    in_left -= skip;
    if (out.size() - written < replacement.size()) {
      out.resize(out.size() * 2 + replacement.size());
    }
    out.replace(written, replacement.size(), replacement);
    written += replacement.size();
    iconv(static_cast<iconv_t>(cd.get()), nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(written);
  return out;
}

std::u16string FromBytes(const std::string& bytes) {
  std::u16string text(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                    static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  }
  return text;
}

std::string ToBytes(std::u16string_view text) {
  std::string bytes(text.size() * 2, '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  return bytes;
}

std::string ToGbk(std::u16string_view text, bool strict) {
  const Converter cd = Open("CP936", "UTF-16LE");
  const std::string bytes = ToBytes(text);
  return Run(cd, bytes.data(), bytes.size(), 2, "?", strict);
}

}  // namespace

std::u16string GbkToUtf16(std::string_view gbk) {
  const Converter cd = Open("UTF-16LE", "CP936");
  return FromBytes(Run(cd, gbk.data(), gbk.size(), 1, std::string("\xFD\xFF", 2), false));
}

std::string Utf16ToGbk(std::u16string_view text) {
  return ToGbk(text, false);
}

std::string Utf16ToGbkStrict(std::u16string_view text) {
  return ToGbk(text, true);
}

}  // namespace velkor
