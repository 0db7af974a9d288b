#include "out_array.h"

namespace nimbrel {

bool checkOutArray(JNIEnv* env, jarray array) {
  if (rejected(env)) return false;
  if (array == nullptr) {
    throwNullPointer(env, "out-array is null");
    return false;
  }
  if (env->GetArrayLength(array) < 1) {
    throwIndexOutOfBounds(env, "out-array has no element 0");
    return false;
  }
  return true;
}

}  // namespace nimbrel
