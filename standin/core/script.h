// What a test has told the stand-in to answer. Each key (a method name, or
// "Method.parameter" for an out-value) holds a queue of values: each read takes
// the next one, and the last stays, so one value answers every call.
// Unscripted keys answer with the caller's default.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "visibility.h"

namespace standin {

struct Value {
  enum class Kind { Integer, Real, Text, Null };
  Kind kind = Kind::Integer;
  std::int64_t integer = 0;
  double real = 0;
  std::string text;
};

STANDIN_API void script(const std::string& key, std::vector<Value> values);
STANDIN_API void clearScript();

bool scripted(const char* key);
std::int64_t scriptedInt(const char* key, std::int64_t fallback = 0);
double scriptedReal(const char* key, double fallback = 0);
bool scriptedBool(const char* key, bool fallback = false);
// Text stays valid until the test resets the stand-in; scripted null gives null.
const char* scriptedText(const char* key, const char* fallback = "");
// The bytes of a scripted text (no terminator), for data the stand-in hands out.
std::string scriptedBytes(const char* key, const std::string& fallback = {});

}  // namespace standin
