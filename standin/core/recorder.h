// The stand-in's memory of what reached it: every call, with its arguments as
// received, in one log a test reads back line by line ("GetStat(\"kills\", &)").
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "../../bridge/core/steamworks/steam_types.h"
#include "visibility.h"

namespace standin {

// An out-parameter: logged as "&" (or "null"), since its address says nothing.
struct Out {
  const void* address;
};
template <class T>
Out out(T* address) {
  return Out{address};
}

// A memory region: logged as its address in hex, so a test can check where in
// its buffer Steamworks was pointed.
struct At {
  const void* address;
};
template <class T>
At at(T* address) {
  return At{address};
}

std::string describe(const char* text);
std::string describe(bool value);
std::string describe(float value);
std::string describe(double value);
std::string describe(CSteamID id);
std::string describe(Out value);
std::string describe(At value);
std::string describeSigned(long long value);
std::string describeUnsigned(unsigned long long value);

template <class T>
std::string describe(T value) {
  static_assert(std::is_integral_v<T> || std::is_enum_v<T>, "no log format for this type");
  if constexpr (std::is_signed_v<T> || std::is_enum_v<T>) {
    return describeSigned(static_cast<long long>(value));
  } else {
    return describeUnsigned(static_cast<unsigned long long>(value));
  }
}

// A list read from memory a caller handed over, logged as "[a, b]" ("null" for none).
template <class T>
std::string describeList(const T* values, int count) {
  if (values == nullptr) return "null";
  std::string text = "[";
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += ", ";
    text += describe(values[i]);
  }
  return text + "]";
}

STANDIN_API void recordLine(std::string line);

// Whether calls are logged (they are unless turned off). Benchmarks turn the
// log off so that its growth and formatting do not hide what they measure.
STANDIN_API bool recording();
STANDIN_API void setRecording(bool on);

// Logs "method(arg, arg, ...)".
template <class... Args>
void record(const char* method, Args... args) {
  if (!recording()) return;
  std::string line = method;
  line += '(';
  bool first = true;
  ((line += (first ? "" : ", "), line += describe(args), first = false), ...);
  line += ')';
  recordLine(std::move(line));
}

STANDIN_API std::vector<std::string> takeLines();

// Something the stand-in saw that real Steamworks would not accept (a size
// mismatch at delivery, say); tests fail on any.
STANDIN_API void fault(std::string what);
STANDIN_API std::vector<std::string> takeFaults();

}  // namespace standin
