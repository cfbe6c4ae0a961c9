// Typed errors raised by the core. Their text (what()) is GBK, ready for the
// standard error box that every window entry point shows.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace velkor {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that cannot be opened for reading.
class FileOpenError : public Error {
 public:
  FileOpenError(const std::string& file, const std::string& reason);
  const std::string& file() const { return file_; }

 private:
  std::string file_;
};

// A file that cannot be created or written whole.
class FileCreateError : public Error {
 public:
  FileCreateError(const std::string& file, const std::string& reason);
  const std::string& file() const { return file_; }

 private:
  std::string file_;
};

// A text list read past its last line.
class ListIndexError : public Error {
 public:
  explicit ListIndexError(std::size_t index);
};

// Text that has no GBK form, or bytes that are not GBK.
class EncodingError : public Error {
 public:
  using Error::Error;
};

}  // namespace velkor
