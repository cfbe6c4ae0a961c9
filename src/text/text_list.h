// The text list: an ordered list of GBK lines. Every data file, template and
// record list of the program is held in one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velkor {

class TextList {
 public:
  TextList() = default;
  TextList(std::initializer_list<std::string> lines) : lines_(lines) {}
  explicit TextList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // Splits at CR LF, lone CR and lone LF; a final line break adds no empty
  // line; a NUL byte ends the text.
  static TextList FromText(std::string_view text);
  void SetText(std::string_view text) { *this = FromText(text); }
  // Every line followed by CR LF.
  std::string Text() const;

  // Throws FileOpenError. Replaces the lines.
  void LoadFromFile(const std::string& file_name);
  // Writes the whole text safely (see files.h); throws FileCreateError.
  void SaveToFile(const std::string& file_name) const;

  // Index of the first line equal to `line`, ASCII letters compared without
  // case (the bytes of Chinese characters exactly); -1 when there is none.
  int IndexOf(std::string_view line) const;

  std::size_t size() const { return lines_.size(); }
  bool empty() const { return lines_.empty(); }
  // Checked access: throws ListIndexError past the last line.
  const std::string& at(std::size_t index) const;
  std::string& at(std::size_t index);
  const std::string& operator[](std::size_t index) const { return lines_[index]; }

  void Add(std::string line) { lines_.push_back(std::move(line)); }
  void Insert(std::size_t index, std::string line);
  void Delete(std::size_t index);
  void Clear() { lines_.clear(); }

  const std::vector<std::string>& lines() const { return lines_; }
  auto begin() const { return lines_.begin(); }
  auto end() const { return lines_.end(); }
  bool operator==(const TextList&) const = default;

 private:
  std::vector<std::string> lines_;
};

// The name of a line: its text before the first "="; empty when it has none.
std::string_view LineName(std::string_view line);

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace velkor
