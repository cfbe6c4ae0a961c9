// Timings of the work a click or a keyword costs, on lists far larger than
// the shipped directory: decoding a data file, building a category's link
// tables, and a text search through the GBK-aware substring test.
#include <benchmark/benchmark.h>

#include "data/scrambled.h"
#include "pages/link_tables.h"
#include "platform/messages.h"
#include "text/text_list.h"

namespace velkor {
namespace {

class QuietMessages : public Messages {
 public:
  void Inform(const std::string&) override {}
  bool Confirm(const std::string&, const std::string&) override { return true; }
  void ShowError(const std::string&) override {}
};

TextList Records(int count) {
  TextList records;
  for (int i = 0; i < count; ++i) {
    records.Add("网站" + std::to_string(i) + "<AD>https://www.example" + std::to_string(i) +
                ".com/<KD>" + (i % 50 == 0 ? "新闻" : "其他分类") + "<EX>" +
                (i % 2 == 0 ? "一段中文说明，长度与实际数据相近" : ""));
  }
  return records;
}

void UnscrambleDirectory(benchmark::State& state) {
  const std::string scrambled = Scramble(Records(static_cast<int>(state.range(0))).Text());
  for (auto _ : state) {
    benchmark::DoNotOptimize(TextList::FromText(Unscramble(scrambled)));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(scrambled.size()));
}
BENCHMARK(UnscrambleDirectory)->Arg(1'000)->Arg(100'000);

void CategoryTables(benchmark::State& state) {
  const TextList records = Records(static_cast<int>(state.range(0)));
  QuietMessages messages;
  for (auto _ : state) {
    TextList detail, grid;
    BuildLinkTables(records, detail, grid, "新闻", "E8BA88", "FCF2E0", 3, messages);
    benchmark::DoNotOptimize(grid);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(CategoryTables)->Arg(1'000)->Arg(100'000);

}  // namespace
}  // namespace velkor

BENCHMARK_MAIN();
