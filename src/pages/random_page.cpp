#include "pages/random_page.h"

#include <cstddef>
#include <ctime>
#include <limits>
#include <random>

#include "data/record.h"
#include "pages/page_writer.h"
#include "platform/files.h"
#include "text/errors.h"

namespace velkor {
namespace {

constexpr std::string_view kNewsScheme = "news://";
constexpr std::string_view kJokeScript = VELKOR_HOME_PAGE "js/joke.js";
// With one usable line among C, a run of 64 C discards has a chance of about e^-64.
constexpr std::size_t kDiscardsPerPoolLine = 64;

// The address of a record line: from after the first "<AD>" to before the
// first "<KD>", empty when "<KD>" does not come after it; none when one of the
// three tags is missing.
std::optional<std::string_view> AddressOf(std::string_view line) {
  const std::size_t ad = line.find(kAddressTag);
  const std::size_t kd = line.find(kKindTag);
  if (ad == std::string_view::npos || kd == std::string_view::npos ||
      line.find(kExplanationTag) == std::string_view::npos) {
    return std::nullopt;
  }
  const std::size_t start = ad + kAddressTag.size();
  return kd > start ? line.substr(start, kd - start) : std::string_view();
}

bool Opens(std::string_view address) {
  return address.find(kNewsScheme) == std::string_view::npos;
}

bool HasUsableLine(const TextList& pool) {
  for (const std::string& line : pool) {
    const auto address = AddressOf(line);
    if (address && Opens(*address)) {
      return true;
    }
  }
  return false;
}

bool IsGbkLead(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

bool IsGbkTrail(unsigned char byte) {
  return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::int64_t CalendarSeconds() {
  return static_cast<std::int64_t>(std::time(nullptr));
}

TextList RandomPool(const RandomLists& lists) {
  return TextList::FromText(lists.directory.Text() + lists.own_bookmarks.Text() +
                            lists.curated.Text());
}

std::string JavaScriptStringContent(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    // A lead byte with a fitting trail byte is one character; a lead byte
    // without one stands alone, and the byte after it counts for itself, as a
    // browser reading the page as GBK sees it.
    if (IsGbkLead(static_cast<unsigned char>(c)) && i + 1 < text.size() &&
        IsGbkTrail(static_cast<unsigned char>(text[i + 1]))) {
      out += c;
      out += text[++i];
      continue;
    }
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '<':
        out += '<';
        if (text.substr(i + 1, 1) == "/" || text.substr(i + 1, 3) == "!--") {
          out += '\\';
        }
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string WindowOpenLine(std::string_view address) {
  return "window.open(\"" + JavaScriptStringContent(address) + "\",\"\",\"\");";
}

const std::string& RandomExplanationLine() {
  static const std::string line =
      std::string(
          "<p align=\"center\"><font size=\"3\">"
          "由于无法控制浏览器程序，为了不占用太多的系统资源，我们让浏览器自己<br><br>"
          "弹出新窗口来实现随机浏览网址功能。顺便增加了每日一笑的栏目。"
          "<script language=\"javascript\" src=\"") +
      std::string(kJokeScript) + "\"></script></font></p>";
  return line;
}

std::optional<TextList> BuildRandomPage(const TextList& data0, const TextList& pool,
                                        std::int32_t count, const RandomDraw& draw,
                                        Messages& messages) {
  // Drawing from a pool without a single line to open would never end.
  if (!HasUsableLine(pool)) {
    messages.Inform(std::string(kNoRandomAddress));
    return std::nullopt;
  }
  TextList page = data0;
  const int marker = page.IndexOf(kInsertMarker);
  if (marker < 0) {
    throw ListIndexError(page.size());
  }
  const auto m = static_cast<std::size_t>(marker);
  page.Delete(m);
  page.Insert(m, RandomExplanationLine());
  page.Insert(m, "</script>");

  const std::size_t discard_limit = kDiscardsPerPoolLine * pool.size();
  std::size_t discarded = 0;
  for (std::int32_t i = 0; i < count;) {
    const auto address = AddressOf(pool[draw() % pool.size()]);
    if (!address) {
      messages.Inform(std::string(kRecordStructureError));
    } else if (Opens(*address)) {
      page.Insert(m, WindowOpenLine(*address));
      ++i;
      discarded = 0;
      continue;
    }
    if (++discarded > discard_limit) {
      messages.Inform(std::string(kNoRandomAddress));
      return std::nullopt;
    }
  }
  page.Insert(m, "<script>");
  return page;
}

void OpenRandomPage(const TextList& data0, const RandomLists& lists, std::int32_t count,
                    std::int64_t seconds, Shell& shell, Messages& messages) {
  const TextList pool = RandomPool(lists);
  std::mt19937 generator(static_cast<std::uint32_t>(seconds));
  const auto page = BuildRandomPage(
      data0, pool, count, [&generator] { return static_cast<std::uint32_t>(generator()); },
      messages);
  if (!page) {
    return;
  }
  page->SaveToFile(std::string(kRandomPageFile));
  const std::string_view shown =
      files::Exists(std::string(kRandomOverrideFile)) ? kRandomOverrideFile : kRandomPageFile;
  shell.Open(std::string(shown), Shell::Show::kMaximized);
}

std::int32_t RandomCountDialogRules::Parse(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) {
    return kNotANumber;
  }
  constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') {
      return kNotANumber;
    }
    value = value * 10 + (c - '0');
    if (value > kLimit + 1) {
      value = kLimit + 1;
    }
  }
  if (negative) {
    return static_cast<std::int32_t>(-value);
  }
  return static_cast<std::int32_t>(value > kLimit ? kLimit : value);
}

}  // namespace velkor
