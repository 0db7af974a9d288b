// The one rule for input a native cannot use: it makes no Steamworks call,
// leaves the matching Java exception pending and returns a neutral value.
#pragma once

#include <jni.h>

namespace nimbrel {

void throwNullPointer(JNIEnv* env, const char* what);
void throwIllegalArgument(JNIEnv* env, const char* what);
void throwIndexOutOfBounds(JNIEnv* env, const char* what);
// Memory of the bridge's own could not be had.
void throwOutOfMemory(JNIEnv* env, const char* what);

// True when a holder (or the frame) rejected an argument: the native must
// return before it calls Steamworks.
inline bool rejected(JNIEnv* env) {
  return env->ExceptionCheck() == JNI_TRUE;
}

}  // namespace nimbrel
