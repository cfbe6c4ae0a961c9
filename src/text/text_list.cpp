#include "text/text_list.h"

#include "platform/files.h"
#include "text/errors.h"
#include "text/gbk.h"

namespace velkor {

TextList TextList::FromText(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  TextList list;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      list.lines_.emplace_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
        ++i;
      }
      start = i + 1;
    }
  }
  if (start < text.size()) {
    list.lines_.emplace_back(text.substr(start));
  }
  return list;
}

std::string TextList::Text() const {
  std::size_t size = 0;
  for (const auto& line : lines_) {
    size += line.size() + 2;
  }
  std::string text;
  text.reserve(size);
  for (const auto& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void TextList::LoadFromFile(const std::string& file_name) {
  *this = FromText(files::ReadAll(file_name));
}

void TextList::SaveToFile(const std::string& file_name) const {
  files::WriteAll(file_name, Text());
}

int TextList::IndexOf(std::string_view line) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (EqualsIgnoringAsciiCase(lines_[i], line)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

const std::string& TextList::at(std::size_t index) const {
  if (index >= lines_.size()) {
    throw ListIndexError(index);
  }
  return lines_[index];
}

std::string& TextList::at(std::size_t index) {
  if (index >= lines_.size()) {
    throw ListIndexError(index);
  }
  return lines_[index];
}

void TextList::Insert(std::size_t index, std::string line) {
  if (index > lines_.size()) {
    throw ListIndexError(index);
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
}

void TextList::Delete(std::size_t index) {
  if (index >= lines_.size()) {
    throw ListIndexError(index);
  }
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::string_view LineName(std::string_view line) {
  const std::size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string_view() : line.substr(0, equals);
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (IsGbkLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
      // A double-byte character: its trail byte may look like an ASCII letter.
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) {
        return false;
      }
      ++i;
    } else if (lower(a[i]) != lower(b[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace velkor
