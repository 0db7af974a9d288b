#include "utf8.h"

#include <cstdint>

namespace nimbrel::utf8 {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

void appendStandard(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one well-formed sequence of standard UTF-8 at text[i]; returns its
// length, or 0 when the bytes there are ill-formed.
std::size_t decodeStandard(const unsigned char* text, std::size_t length, std::size_t i, char32_t& cp) {
  const unsigned char lead = text[i];
  std::size_t size;
  char32_t min;
  if (lead < 0x80) {
    cp = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    size = 2, min = 0x80, cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    size = 3, min = 0x800, cp = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    size = 4, min = 0x10000, cp = lead & 0x07;
  } else {
    return 0;
  }
  if (length - i < size) return 0;
  for (std::size_t k = 1; k < size; ++k) {
    if (!isContinuation(text[i + k])) return 0;
    cp = (cp << 6) | (text[i + k] & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return size;
}

// Decodes one sequence of modified UTF-8 (at most three bytes, as the VM
// writes it); returns its length, or 0 at the end of the text.
std::size_t decodeModified(const unsigned char* text, char32_t& unit) {
  const unsigned char lead = text[0];
  if (lead == 0) return 0;
  if (lead < 0x80) {
    unit = lead;
    return 1;
  }
  if ((lead & 0xE0) == 0xC0 && isContinuation(text[1])) {
    unit = ((lead & 0x1F) << 6) | (text[1] & 0x3F);
    return 2;
  }
  if ((lead & 0xF0) == 0xE0 && isContinuation(text[1]) && isContinuation(text[2])) {
    unit = ((lead & 0x0F) << 12) | ((text[1] & 0x3F) << 6) | (text[2] & 0x3F);
    return 3;
  }
  unit = kReplacement;  // the VM never writes this; skip the byte
  return 1;
}

}  // namespace

bool needsStandardForm(const char* modified) {
  for (auto* p = reinterpret_cast<const unsigned char*>(modified); *p != 0; ++p) {
    if (p[0] == 0xC0 && p[1] == 0x80) return true;
    if (p[0] == 0xED && (p[1] & 0xE0) == 0xA0) return true;
  }
  return false;
}

std::string toStandard(const char* modified) {
  std::string out;
  auto* p = reinterpret_cast<const unsigned char*>(modified);
  char32_t unit = 0;
  while (std::size_t n = decodeModified(p, unit)) {
    p += n;
    if (unit == 0) break;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      char32_t low = 0;
      std::size_t m = decodeModified(p, low);
      if (m != 0 && low >= 0xDC00 && low <= 0xDFFF) {
        p += m;
        appendStandard(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        continue;
      }
      unit = kReplacement;
    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
      unit = kReplacement;
    }
    appendStandard(out, unit);
  }
  return out;
}

bool isVmReadable(const char* text, std::size_t length) {
  auto* bytes = reinterpret_cast<const unsigned char*>(text);
  for (std::size_t i = 0; i < length;) {
    if (bytes[i] < 0x80) {
      if (bytes[i] == 0) return false;
      ++i;
      continue;
    }
    char32_t cp = 0;
    std::size_t n = decodeStandard(bytes, length, i, cp);
    if (n == 0 || n == 4) return false;
    i += n;
  }
  return true;
}

std::u16string toUtf16(const char* text, std::size_t length) {
  std::u16string out;
  out.reserve(length);
  auto* bytes = reinterpret_cast<const unsigned char*>(text);
  for (std::size_t i = 0; i < length;) {
    char32_t cp = 0;
    std::size_t n = decodeStandard(bytes, length, i, cp);
    if (n == 0) {
      out += static_cast<char16_t>(kReplacement);
      ++i;
      continue;
    }
    i += n;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

}  // namespace nimbrel::utf8
