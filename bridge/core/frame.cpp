#include "frame.h"

#include "jni/local_ref.h"

namespace nimbrel {
namespace {

jlong askLong(JNIEnv* env, jobject wrapper, const char* className, const char* method) {
  if (rejected(env)) return 0;
  LocalRef<jclass> type(env, env->FindClass(className));
  if (!type) return 0;
  jmethodID getter = env->GetMethodID(type.get(), method, "()J");
  if (getter == nullptr) return 0;
  jlong handle = env->CallLongMethod(wrapper, getter);
  return rejected(env) ? 0 : handle;
}

}  // namespace

jlong interfaceHandleOf(JNIEnv* env, jobject wrapper) {
  return askLong(env, wrapper, "net/quorlen/steam/ISteamObject", "getPointer");
}

jlong adapterHandleOf(JNIEnv* env, jobject wrapper) {
  return askLong(env, wrapper, "net/quorlen/steam/SteamObject", "getNativeAdapter");
}

}  // namespace nimbrel
