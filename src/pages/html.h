// Putting stored text into generated HTML.
#pragma once

#include <string>
#include <string_view>

namespace velkor {

// `text` with & < > " written as &amp; &lt; &gt; &quot;, fit both for element
// text and for a double-quoted attribute value. Record fields come from the
// user and from web pages (a dropped link's title), so they must never become
// markup in our local pages. Byte-wise replacement is safe on GBK: trail bytes
// lie in 0x40-0xFE, and these four characters are all below 0x40, so they
// only ever stand for themselves.
inline std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace velkor
