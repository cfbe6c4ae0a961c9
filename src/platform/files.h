// Whole-file reading and writing. File names are GBK, relative to the
// working directory unless they hold a path.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace velkor::files {

// True for an existing file; a folder of that name is not a file.
bool Exists(const std::string& name);

// True for an existing file or folder of that name.
bool PathExists(const std::string& name);

// The whole file; throws FileOpenError naming the file and the system's reason.
std::string ReadAll(const std::string& name);

// Deletes a file; false when it could not be deleted (or did not exist).
bool Remove(const std::string& name);

// Writes the whole file safely: the bytes go to a temporary file beside it,
// which then replaces the old file in one step. On any failure the old file
// stays as it was, the temporary file is removed, and FileCreateError is thrown.
void WriteAll(const std::string& name, std::string_view bytes);

// The name of the temporary file WriteAll uses for `name`.
std::string TemporaryNameFor(const std::string& name);

// The steps of a safe write. Each throws velkor::Error with the system's
// reason when it fails; tests put a failing stand-in behind any step.
class WriteSteps {
 public:
  virtual ~WriteSteps() = default;
  virtual void Create(const std::string& temp) = 0;
  virtual void Write(std::string_view bytes) = 0;
  virtual void Flush() = 0;  // through to the disk
  virtual void Close() = 0;
  virtual void Replace(const std::string& temp, const std::string& target) = 0;
  // Closes the temporary file if it is open and deletes it; never fails.
  virtual void Discard(const std::string& temp) noexcept = 0;
};

std::unique_ptr<WriteSteps> SystemWriteSteps();

void WriteAllWith(WriteSteps& steps, const std::string& name, std::string_view bytes);

}  // namespace velkor::files
