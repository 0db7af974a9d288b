// Booleans crossing the boundary: only JNI_TRUE counts as true going in, and
// only 0 or 1 ever goes out, whatever byte Steamworks used.
#pragma once

#include <jni.h>

#include <cstdint>

namespace nimbrel {

inline bool fromJBoolean(jboolean value) {
  return value == JNI_TRUE;
}

inline jboolean toJBoolean(bool value) {
  return value ? JNI_TRUE : JNI_FALSE;
}

// A flag byte of a Steamworks structure: any non-zero byte is true.
inline jboolean flagToJBoolean(std::uint8_t flag) {
  return flag != 0 ? JNI_TRUE : JNI_FALSE;
}

}  // namespace nimbrel
