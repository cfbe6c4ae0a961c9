// A fresh, empty working folder for one test; the old working folder comes
// back and the folder is removed at the end.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace velkor {

class TestFolder {
 public:
  TestFolder() : previous_(std::filesystem::current_path()) {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("velkor-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~TestFolder() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

}  // namespace velkor
