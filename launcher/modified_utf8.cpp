#include "modified_utf8.h"

#include <cstdint>

namespace launcher {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

void appendCodeUnit(std::string& out, char16_t unit) {
  if (unit != 0 && unit < 0x80) {
    out += static_cast<char>(unit);
  } else if (unit < 0x800) {
    out += static_cast<char>(0xC0 | unit >> 6);
    out += static_cast<char>(0x80 | (unit & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | unit >> 12);
    out += static_cast<char>(0x80 | (unit >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (unit & 0x3F));
  }
}

void appendCodePoint(std::string& out, char32_t codePoint) {
  if (codePoint < 0x10000) {
    appendCodeUnit(out, static_cast<char16_t>(codePoint));
    return;
  }
  const char32_t offset = codePoint - 0x10000;
  appendCodeUnit(out, static_cast<char16_t>(0xD800 + (offset >> 10)));
  appendCodeUnit(out, static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes the sequence at text[at]; returns its length, or 0 when it is not well-formed UTF-8
// (overlong forms, surrogates and values beyond U+10FFFF included).
std::size_t decodeSequence(std::string_view text, std::size_t at, char32_t& codePoint) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  std::size_t length;
  char32_t minimum;
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, minimum = 0x80, codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, minimum = 0x800, codePoint = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, minimum = 0x10000, codePoint = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() - at < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if (!isContinuation(byte(i))) return 0;
    codePoint = codePoint << 6 | (byte(i) & 0x3F);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < minimum || codePoint > 0x10FFFF || surrogate) return 0;
  return length;
}

}  // namespace

std::string modifiedUtf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char16_t unit : text) appendCodeUnit(out, unit);
  return out;
}

std::string modifiedUtf8FromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    char32_t codePoint = 0;
    const std::size_t length = decodeSequence(text, at, codePoint);
    appendCodePoint(out, length == 0 ? kReplacementCharacter : codePoint);
    at += length == 0 ? 1 : length;
  }
  return out;
}

}  // namespace launcher
