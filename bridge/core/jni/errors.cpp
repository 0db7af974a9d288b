#include "errors.h"

namespace nimbrel {
namespace {

void throwNew(JNIEnv* env, const char* className, const char* what) {
  // Only the first rejection of a call is reported; later holders see it pending.
  if (env->ExceptionCheck()) return;
  jclass type = env->FindClass(className);
  if (type == nullptr) return;  // FindClass left its own error pending
  env->ThrowNew(type, what);
  env->DeleteLocalRef(type);
}

}  // namespace

void throwNullPointer(JNIEnv* env, const char* what) {
  throwNew(env, "java/lang/NullPointerException", what);
}

void throwIllegalArgument(JNIEnv* env, const char* what) {
  throwNew(env, "java/lang/IllegalArgumentException", what);
}

void throwIndexOutOfBounds(JNIEnv* env, const char* what) {
  throwNew(env, "java/lang/ArrayIndexOutOfBoundsException", what);
}

void throwOutOfMemory(JNIEnv* env, const char* what) {
  throwNew(env, "java/lang/OutOfMemoryError", what);
}

}  // namespace nimbrel
