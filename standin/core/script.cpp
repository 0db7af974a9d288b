#include "script.h"

#include <deque>
#include <map>

namespace standin {
namespace {

std::map<std::string, std::deque<Value>>& table() {
  static std::map<std::string, std::deque<Value>> values;
  return values;
}

// Texts handed out stay where they are until the next reset, as Steamworks'
// own strings do.
std::deque<std::string>& handedOut() {
  static std::deque<std::string> texts;
  return texts;
}

const Value* next(const char* key) {
  auto found = table().find(key);
  if (found == table().end() || found->second.empty()) return nullptr;
  auto& queue = found->second;
  if (queue.size() > 1) {
    static Value taken;
    taken = queue.front();
    queue.pop_front();
    return &taken;
  }
  return &queue.front();
}

}  // namespace

void script(const std::string& key, std::vector<Value> values) {
  table()[key] = std::deque<Value>(values.begin(), values.end());
}

void clearScript() {
  table().clear();
  handedOut().clear();
}

bool scripted(const char* key) {
  return table().count(key) != 0;
}

std::int64_t scriptedInt(const char* key, std::int64_t fallback) {
  const Value* value = next(key);
  if (value == nullptr) return fallback;
  return value->kind == Value::Kind::Real ? static_cast<std::int64_t>(value->real) : value->integer;
}

double scriptedReal(const char* key, double fallback) {
  const Value* value = next(key);
  if (value == nullptr) return fallback;
  return value->kind == Value::Kind::Real ? value->real : static_cast<double>(value->integer);
}

bool scriptedBool(const char* key, bool fallback) {
  return scriptedInt(key, fallback ? 1 : 0) != 0;
}

const char* scriptedText(const char* key, const char* fallback) {
  const Value* value = next(key);
  if (value == nullptr) return fallback;
  if (value->kind == Value::Kind::Null) return nullptr;
  handedOut().push_back(value->text);
  return handedOut().back().c_str();
}

std::string scriptedBytes(const char* key, const std::string& fallback) {
  const Value* value = next(key);
  return value == nullptr ? fallback : value->text;
}

}  // namespace standin
