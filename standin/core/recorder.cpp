#include "recorder.h"

#include <cinttypes>
#include <cstdio>
#include <utility>

namespace standin {
namespace {

std::vector<std::string>& lines() {
  static std::vector<std::string> all;
  return all;
}

std::vector<std::string>& faults() {
  static std::vector<std::string> all;
  return all;
}

bool& recordingFlag() {
  static bool on = true;
  return on;
}

}  // namespace

std::string describe(const char* text) {
  if (text == nullptr) return "null";
  std::string out = "\"";
  for (auto* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p) {
    if (*p >= 0x20 && *p < 0x7F && *p != '"' && *p != '\\') {
      out += static_cast<char>(*p);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", *p);
      out += escaped;
    }
  }
  return out + "\"";
}

std::string describe(bool value) {
  return value ? "true" : "false";
}

std::string describe(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
  return text;
}

std::string describe(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

std::string describe(CSteamID id) {
  return describeUnsigned(id.value);
}

std::string describe(Out value) {
  return value.address ? "&" : "null";
}

std::string describe(At value) {
  if (value.address == nullptr) return "null";
  char text[32];
  std::snprintf(text, sizeof text, "0x%" PRIxPTR, reinterpret_cast<std::uintptr_t>(value.address));
  return text;
}

std::string describeSigned(long long value) {
  return std::to_string(value);
}

std::string describeUnsigned(unsigned long long value) {
  return std::to_string(value);
}

bool recording() {
  return recordingFlag();
}

void setRecording(bool on) {
  recordingFlag() = on;
}

void recordLine(std::string line) {
  lines().push_back(std::move(line));
}

std::vector<std::string> takeLines() {
  return std::exchange(lines(), {});
}

void fault(std::string what) {
  faults().push_back(std::move(what));
}

std::vector<std::string> takeFaults() {
  return std::exchange(faults(), {});
}

}  // namespace standin
