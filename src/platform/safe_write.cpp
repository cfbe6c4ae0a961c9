#include "platform/files.h"
#include "text/errors.h"

namespace velkor::files {

std::string TemporaryNameFor(const std::string& name) {
  return name + ".~new";
}

void WriteAll(const std::string& name, std::string_view bytes) {
  WriteAllWith(*SystemWriteSteps(), name, bytes);
}

void WriteAllWith(WriteSteps& steps, const std::string& name, std::string_view bytes) {
  constexpr std::size_t kChunk = 64 * 1024;
  const std::string temp = TemporaryNameFor(name);
  try {
    steps.Create(temp);
    for (std::size_t offset = 0; offset < bytes.size(); offset += kChunk) {
      steps.Write(bytes.substr(offset, kChunk));
    }
    steps.Flush();
    steps.Close();
    steps.Replace(temp, name);
  } catch (const Error& error) {
    steps.Discard(temp);
    throw FileCreateError(name, error.what());
  }
}

}  // namespace velkor::files
