// Text from Steamworks to Java. Text the VM can read as it is goes straight to
// NewStringUTF; anything else (characters beyond U+FFFF, ill-formed bytes) is
// decoded as standard UTF-8 so that Java sees the same characters.
#pragma once

#include <jni.h>

#include <cstddef>

namespace nimbrel {

// A new Java string from NUL-terminated text; null text gives null.
jstring newJavaString(JNIEnv* env, const char* text);

// A new Java string from a fixed character field or buffer: the text up to its
// first NUL, and never past the field's end.
jstring newJavaString(JNIEnv* env, const char* field, std::size_t fieldSize);

// The same, with the size taken from the array itself. It has a name of its
// own: as an overload of the pointer form above it would lose to it, and a
// field that fills its whole size would be read past its end.
template <std::size_t N>
jstring newJavaStringFromField(JNIEnv* env, const char (&field)[N]) {
  return newJavaString(env, field, N);
}

}  // namespace nimbrel
