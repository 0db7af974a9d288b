#include "modified_utf8.h"

#include "jni/utf8.h"

namespace launcher {
namespace {

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

}  // namespace

std::string modifiedUtf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char16_t unit : text) appendCodeUnit(out, unit);
  return out;
}

std::string modifiedUtf8FromUtf8(std::string_view text) {
  return modifiedUtf8FromUtf16(nimbrel::utf8::toUtf16(text.data(), text.size()));
}

}  // namespace launcher
