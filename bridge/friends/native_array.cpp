#include "native_array.h"

#include "jni/local_ref.h"

namespace nimbrel {

void throwOutOfMemory(JNIEnv* env, const char* what) {
  if (env->ExceptionCheck()) return;
  LocalRef<jclass> type(env, env->FindClass("java/lang/OutOfMemoryError"));
  if (type) env->ThrowNew(type.get(), what);
}

}  // namespace nimbrel
