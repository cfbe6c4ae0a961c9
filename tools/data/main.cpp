// velkor-data: the maintainers' tool that makes and checks the data files
// shipped beside velkor.exe. This file only reads the command line; the work is
// done by the velkor_datatool library.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "builtin_texts.h"
#include "data/data_check.h"
#include "data/pinyin_index.h"
#include "data/record_source.h"
#include "platform/files.h"
#include "text/errors.h"
#include "text/gbk.h"

namespace velkor::datatool {
namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

constexpr std::string_view kOverview =
    "velkor-data: makes and checks the data files shipped beside velkor.exe.\n"
    "\n"
    "usage: velkor-data COMMAND [ARGUMENTS]   (velkor-data COMMAND --help for one command)\n"
    "\n"
    "  pack --records SOURCE... -o FILE        site lists -> scrambled record list (data0, data2)\n"
    "  pack --text SOURCE -o FILE              UTF-8 text -> scrambled GBK text (datau.qx ...)\n"
    "  unpack FILE [-o OUT]                    scrambled file -> UTF-8 text, to stdout or OUT\n"
    "  index --table TABLE SOURCE... -o FILE   site lists -> pinyin index (jhpy.qx, webpy.qx)\n"
    "  check DIR                               checks the shipped files in DIR\n"
    "\n"
    "Sources are UTF-8. A command checks all its input before it writes anything, so\n"
    "on an error (exit code 1) no output is written and an old one stays as it was.\n"
    "Usage errors exit with 2.\n";

constexpr std::string_view kPackHelp =
    "usage: velkor-data pack --records SOURCE... -o FILE\n"
    "       velkor-data pack --text SOURCE -o FILE\n"
    "\n"
    "--records: reads site lists (content/curated.txt, content/directory/NN-<group>.txt):\n"
    "\"# comment\" and empty lines are skipped, \"[category]\" starts a section, and below it\n"
    "each line is one site, \"name | address | explanation\" (an empty explanation is\n"
    "written \"name | address |\"). Each site becomes the GBK record line\n"
    "name<AD>address<KD>category<EX>explanation; records keep the order of the lines and\n"
    "of the files as given. The record list (every line followed by CR LF) is scrambled\n"
    "into FILE. Every text needs a GBK form; names and explanations hold no '<', '>' or\n"
    "'|', no field holds a tag, and no line holds a tab.\n"
    "\n"
    "--text: converts one UTF-8 text (an HTML fragment) to GBK with CR LF line breaks\n"
    "and scrambles it into FILE.\n";

constexpr std::string_view kUnpackHelp =
    "usage: velkor-data unpack FILE [-o OUT]\n"
    "\n"
    "Unscrambles a shipped file (data0, data2, datau.qx, datad.qx, datac.qx) and writes\n"
    "it as UTF-8 text with LF line breaks to OUT, or to the standard output.\n";

constexpr std::string_view kIndexHelp =
    "usage: velkor-data index --table TABLE SOURCE... -o FILE\n"
    "\n"
    "Writes the pinyin index of the sources' records: plain text, one line per record\n"
    "in the order \"pack --records\" gives for the same sources, every line followed by\n"
    "CR LF. A line holds the full pinyin of the name run together, a space, and the\n"
    "initials; a character with several readings gives every combination (at most 16,\n"
    "the most common first), full forms first, then initials: 重庆 gives\n"
    "\"zhongqing chongqing zq cq\". ASCII letters and digits are kept, lower-cased, in\n"
    "both forms; other characters are skipped, and a name with nothing left gives \"-\".\n"
    "TABLE is content/pinyin/table.txt: lines \"CHAR READING [READING]...\".\n";

constexpr std::string_view kCheckHelp =
    "usage: velkor-data check DIR\n"
    "\n"
    "Checks the shipped files in DIR: data0 and data2 hold well-formed records (one of\n"
    "each tag, in the order <AD> <KD> <EX>, a name and an address), all text is GBK,\n"
    "jhpy.qx and webpy.qx have one lowercase line per record of data0 and data2, every\n"
    "category of the directory menu has a record in data2, and datau.qx, datad.qx and\n"
    "datac.qx are there. Prints every problem and exits with 1, or prints a summary.\n";

// Texts are GBK inside (the literals above too); the terminal takes UTF-8.
void Write(std::FILE* stream, std::string_view gbk) {
  const std::string text = GbkToUtf8(gbk);
  std::fwrite(text.data(), 1, text.size(), stream);
}

void Print(std::FILE* stream, std::string_view gbk) {
  Write(stream, gbk);
  std::fputc('\n', stream);
}

int Help(std::string_view help) {
  Write(stdout, help);
  return 0;
}

int Usage(std::string_view what, std::string_view help) {
  Print(stderr, "velkor-data: " + std::string(what));
  Write(stderr, help);
  return kUsage;
}

bool IsHelp(std::string_view argument) {
  return argument == "--help" || argument == "-h";
}

// The arguments after the command: the values of the named options and the rest.
struct Arguments {
  std::vector<std::string> positional;
  std::string output;
  std::string table;
  bool records = false;
  bool text = false;
  bool help = false;
  std::string error;
};

Arguments ParseArguments(const std::vector<std::string>& args) {
  Arguments parsed;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (IsHelp(arg)) {
      parsed.help = true;
    } else if (arg == "--records") {
      parsed.records = true;
    } else if (arg == "--text") {
      parsed.text = true;
    } else if (arg == "-o" || arg == "--output" || arg == "--table") {
      std::string& value = arg == "--table" ? parsed.table : parsed.output;
      if (!has_value) {
        parsed.error = arg + " needs a value";
      } else if (!value.empty()) {
        parsed.error = arg + " given twice";
      }
      value = has_value ? args[++i] : "";
    } else if (arg.size() > 1 && arg.front() == '-') {
      parsed.error = "unknown option " + arg;
    } else {
      parsed.positional.push_back(arg);
    }
    if (!parsed.error.empty()) {
      break;
    }
  }
  return parsed;
}

// Runs a command that writes `output`, reporting a failure and that nothing was written.
template <typename Work>
int WriteOutput(const std::string& output, Work work) {
  try {
    work();
    return 0;
  } catch (const SourceError& error) {
    for (const std::string& problem : error.problems()) {
      Print(stderr, problem);
    }
    Print(stderr, "velkor-data: " + std::to_string(error.problems().size()) + " problem(s); " +
                      output + " not written");
  } catch (const Error& error) {
    Print(stderr, std::string("velkor-data: ") + error.what());
    Print(stderr, "velkor-data: " + output + " not written");
  }
  return kFailed;
}

int Pack(const Arguments& a) {
  if (a.help) {
    return Help(kPackHelp);
  }
  if (a.records == a.text) {
    return Usage("pack needs --records or --text", kPackHelp);
  }
  if (a.positional.empty() || (a.text && a.positional.size() != 1)) {
    return Usage(a.text ? "pack --text takes one source" : "pack --records needs sources",
                 kPackHelp);
  }
  if (a.output.empty() || !a.table.empty()) {
    return Usage(a.output.empty() ? "pack needs -o FILE" : "pack takes no --table", kPackHelp);
  }
  return WriteOutput(a.output, [&] {
    if (a.records) {
      PackRecords(a.positional, a.output);
    } else {
      PackText(a.positional[0], a.output);
    }
  });
}

int Unpack(const Arguments& a) {
  if (a.help) {
    return Help(kUnpackHelp);
  }
  if (a.positional.size() != 1 || a.records || a.text || !a.table.empty()) {
    return Usage("unpack takes one FILE and an optional -o OUT", kUnpackHelp);
  }
  if (!a.output.empty()) {
    return WriteOutput(a.output, [&] { files::WriteAll(a.output, UnpackToUtf8(a.positional[0])); });
  }
  try {
    const std::string text = UnpackToUtf8(a.positional[0]);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
  } catch (const Error& error) {
    Print(stderr, std::string("velkor-data: ") + error.what());
    return kFailed;
  }
}

int Index(const Arguments& a) {
  if (a.help) {
    return Help(kIndexHelp);
  }
  if (a.table.empty() || a.positional.empty() || a.output.empty() || a.records || a.text) {
    return Usage("index needs --table TABLE, sources and -o FILE", kIndexHelp);
  }
  return WriteOutput(a.output, [&] { BuildIndex(a.table, a.positional, a.output); });
}

int Check(const Arguments& a) {
  if (a.help) {
    return Help(kCheckHelp);
  }
  if (a.positional.size() != 1 || !a.output.empty() || !a.table.empty() || a.records || a.text) {
    return Usage("check takes one DIR", kCheckHelp);
  }
  const CheckResult result = CheckShippedFiles(a.positional[0], builtin::kData1);
  for (const std::string& problem : result.problems) {
    Print(stderr, problem);
  }
  if (!result.problems.empty()) {
    Print(stderr, "velkor-data: " + std::to_string(result.problems.size()) + " problem(s)");
    return kFailed;
  }
  Print(stdout, result.summary);
  return 0;
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) {
    return Usage("no command", kOverview);
  }
  if (IsHelp(args[0]) || args[0] == "help") {
    return Help(kOverview);
  }
  const Arguments parsed = ParseArguments(args);
  const std::string& command = args[0];
  int (*const run)(const Arguments&) = command == "pack"     ? Pack
                                       : command == "unpack" ? Unpack
                                       : command == "index"  ? Index
                                       : command == "check"  ? Check
                                                             : nullptr;
  if (run == nullptr) {
    return Usage("unknown command " + command, kOverview);
  }
  if (!parsed.error.empty()) {
    return Usage(parsed.error, command == "pack"     ? kPackHelp
                               : command == "unpack" ? kUnpackHelp
                               : command == "index"  ? kIndexHelp
                                                     : kCheckHelp);
  }
  return run(parsed);
}

// File names are GBK inside, like every text of the core.
template <typename Convert>
int RunWith(int argc, Convert to_gbk) {
  std::vector<std::string> args;
  try {
    for (int i = 1; i < argc; ++i) {
      args.push_back(to_gbk(i));
    }
  } catch (const EncodingError&) {
    Print(stderr, "velkor-data: an argument has no GBK form");
    return kUsage;
  }
  return Run(args);
}

}  // namespace
}  // namespace velkor::datatool

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  return velkor::datatool::RunWith(argc, [argv](int i) {
    return velkor::Utf16ToGbkStrict(reinterpret_cast<const char16_t*>(argv[i]));
  });
}
#else
int main(int argc, char** argv) {
  return velkor::datatool::RunWith(argc,
                                   [argv](int i) { return velkor::Utf8ToGbkStrict(argv[i]); });
}
#endif
