#include "data/scrambled.h"

#include <cstdint>

#include "platform/files.h"

namespace velkor {
namespace {

constexpr std::uint16_t kInitialKey = 517;

// The key advances with the scrambled byte, in both directions.
std::uint16_t Advance(std::uint16_t key, unsigned char scrambled) {
  return static_cast<std::uint16_t>((key + scrambled) * 29 + 643);
}

unsigned char Mask(std::uint16_t key) {
  return static_cast<unsigned char>(key >> 8);
}

}  // namespace

std::string Unscramble(std::string_view scrambled) {
  std::string plain(scrambled.size(), '\0');
  std::uint16_t key = kInitialKey;
  for (std::size_t i = 0; i < scrambled.size(); ++i) {
    const auto c = static_cast<unsigned char>(scrambled[i]);
    plain[i] = static_cast<char>(c ^ Mask(key));
    key = Advance(key, c);
  }
  return plain;
}

std::string Scramble(std::string_view plain) {
  std::string scrambled(plain.size(), '\0');
  std::uint16_t key = kInitialKey;
  for (std::size_t i = 0; i < plain.size(); ++i) {
    const auto c = static_cast<unsigned char>(static_cast<unsigned char>(plain[i]) ^ Mask(key));
    scrambled[i] = static_cast<char>(c);
    key = Advance(key, c);
  }
  return scrambled;
}

TextList ReadScrambledFile(const std::string& file_name) {
  return TextList::FromText(Unscramble(files::ReadAll(file_name)));
}

}  // namespace velkor
