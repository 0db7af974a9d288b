#include "java_object.h"

#include <cstdarg>

#include "local_ref.h"

namespace nimbrel {

jobject newJavaObject(JNIEnv* env, const char* className, const char* constructorDescriptor, ...) {
  LocalRef<jclass> type(env, env->FindClass(className));
  if (!type) return nullptr;
  jmethodID constructor = env->GetMethodID(type.get(), "<init>", constructorDescriptor);
  if (constructor == nullptr) return nullptr;
  va_list args;
  va_start(args, constructorDescriptor);
  jobject object = env->NewObjectV(type.get(), constructor, args);
  va_end(args);
  return object;
}

}  // namespace nimbrel
