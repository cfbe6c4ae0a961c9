// Random browsing: the page random.htm, whose script opens one browser window
// per drawn address, and the rules of the count dialog.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/messages.h"
#include "platform/shell.h"
#include "text/text_list.h"

namespace velkor {

inline constexpr std::string_view kRandomPageFile = "random.htm";
// Never written: when it exists it is opened instead of random.htm.
inline constexpr std::string_view kRandomOverrideFile = "~random.htm";
inline constexpr std::string_view kRecordStructureError = "文件结构出错，请查询";
inline constexpr std::string_view kNoRandomAddress = "没有可以随机打开的网址";

// The lists the bar holds, drawn from in this order.
struct RandomLists {
  const TextList& directory;
  const TextList& own_bookmarks;
  const TextList& curated;
};

// The calendar time in whole seconds, the seed of every random command.
std::int64_t CalendarSeconds();

// The pool: the text of the three lists one after the other, split into lines again.
TextList RandomPool(const RandomLists& lists);

// `text` as the content of a double-quoted JavaScript string inside a script
// element: backslash, double quote, CR and LF escaped, "</" written as "<\/"
// and "<!--" as "<\!--" (either would change how the page parses the script);
// GBK double-byte characters are copied whole, so a trail byte 0x5C stays.
std::string JavaScriptStringContent(std::string_view text);

// window.open("ADDRESS","",""); with the address as string content.
std::string WindowOpenLine(std::string_view address);

// The paragraph below the script block, with the joke-of-the-day script.
const std::string& RandomExplanationLine();

// The next pseudo-random non-negative number; the pool index is it modulo the pool size.
using RandomDraw = std::function<std::uint32_t()>;

// The page: the Data0 template with "<script>", `count` window.open lines
// (last drawn first), "</script>" and the explanatory line at its marker.
// A drawn line without the three tags shows kRecordStructureError and is
// discarded, as is an address holding "news://". Without any usable line
// (and, as a last resort, after an unbroken run of 64 discarded draws per
// pool line) it shows kNoRandomAddress and gives no page.
std::optional<TextList> BuildRandomPage(const TextList& data0, const TextList& pool,
                                        std::int32_t count, const RandomDraw& draw,
                                        Messages& messages);

// The random command: draws with a generator seeded with `seconds`, writes
// random.htm (FileCreateError propagates, nothing is opened) and opens
// ~random.htm when it exists, else random.htm, maximised.
void OpenRandomPage(const TextList& data0, const RandomLists& lists, std::int32_t count,
                    std::int64_t seconds, Shell& shell, Messages& messages);

// The count dialog's rules, apart from its window.
struct RandomCountDialogRules {
  static constexpr std::int32_t kMinimum = 1;
  static constexpr std::int32_t kMaximum = 20;
  static constexpr std::int32_t kNotANumber = 2;
  static constexpr std::string_view kOutOfRange = "输入有误，网址数不能大于20或小于1，请重输";

  // A whole decimal number, optionally signed, blanks around it ignored;
  // beyond the 32-bit range it stays at the nearest end. Anything else gives 2.
  static std::int32_t Parse(std::string_view text);
  static bool Accepts(std::int32_t count) { return count >= kMinimum && count <= kMaximum; }
};

}  // namespace velkor
