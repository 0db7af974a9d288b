#include "array_elements.h"

namespace nimbrel {

bool checkArrayCount(JNIEnv* env, jarray array, jint count) {
  if (rejected(env)) return false;
  if (array == nullptr) {
    throwNullPointer(env, "array is null");
    return false;
  }
  if (count < 0 || count > env->GetArrayLength(array)) {
    throwIndexOutOfBounds(env, "count lies outside the array");
    return false;
  }
  return true;
}

}  // namespace nimbrel
