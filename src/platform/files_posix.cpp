// Files for the native build. Names are GBK inside; the file system takes UTF-8.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/files.h"
#include "text/errors.h"
#include "text/gbk.h"

namespace velkor::files {
namespace {

std::string Path(const std::string& name) {
  return GbkToUtf8(name);
}

std::string Reason() {
  return std::strerror(errno);
}

class PosixWriteSteps : public WriteSteps {
 public:
  ~PosixWriteSteps() override {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  void Create(const std::string& temp) override {
    fd_ = ::open(Path(temp).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) {
      throw Error(Reason());
    }
  }
  void Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0) {
        if (errno == EINTR) {
          continue;
        }
        throw Error(Reason());
      }
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
  }
  void Flush() override {
    if (::fsync(fd_) != 0) {
      throw Error(Reason());
    }
  }
  void Close() override {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
      throw Error(Reason());
    }
  }
  void Replace(const std::string& temp, const std::string& target) override {
    if (::rename(Path(temp).c_str(), Path(target).c_str()) != 0) {
      throw Error(Reason());
    }
  }
  void Discard(const std::string& temp) noexcept override {
    if (fd_ >= 0) {
      ::close(fd_);
      fd_ = -1;
    }
    ::unlink(Path(temp).c_str());
  }

 private:
  int fd_ = -1;
};

}  // namespace

bool Exists(const std::string& name) {
  struct stat info {};
  return ::stat(Path(name).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool PathExists(const std::string& name) {
  struct stat info {};
  return ::stat(Path(name).c_str(), &info) == 0;
}

std::string ReadAll(const std::string& name) {
  const int fd = ::open(Path(name).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    throw FileOpenError(name, Reason());
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    throw FileOpenError(name, std::strerror(EISDIR));
  }
  std::string bytes;
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0) {
      const std::string reason = Reason();
      ::close(fd);
      throw FileOpenError(name, reason);
    }
    if (n == 0) {
      break;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

bool Remove(const std::string& name) {
  return ::unlink(Path(name).c_str()) == 0;
}

std::unique_ptr<WriteSteps> SystemWriteSteps() {
  return std::make_unique<PosixWriteSteps>();
}

}  // namespace velkor::files
