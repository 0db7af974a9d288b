#include "java_string.h"

#include <cstring>
#include <string>

#include "utf8.h"

namespace nimbrel {
namespace {

jstring fromStandard(JNIEnv* env, const char* text, std::size_t length) {
  std::u16string units = utf8::toUtf16(text, length);
  return env->NewString(reinterpret_cast<const jchar*>(units.data()), static_cast<jsize>(units.size()));
}

}  // namespace

jstring newJavaString(JNIEnv* env, const char* text) {
  if (text == nullptr) return nullptr;
  std::size_t length = std::strlen(text);
  if (utf8::isVmReadable(text, length)) return env->NewStringUTF(text);
  return fromStandard(env, text, length);
}

jstring newJavaString(JNIEnv* env, const char* field, std::size_t fieldSize) {
  const void* end = std::memchr(field, 0, fieldSize);
  std::size_t length = end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : fieldSize;
  if (end != nullptr && utf8::isVmReadable(field, length)) return env->NewStringUTF(field);
  return fromStandard(env, field, length);
}

}  // namespace nimbrel
