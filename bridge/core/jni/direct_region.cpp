#include "direct_region.h"

#include "errors.h"

namespace nimbrel {

DirectRegion::DirectRegion(JNIEnv* env, jobject buffer, jint first, jint end, std::size_t elementSize)
    : first_(first), end_(end), elementSize_(elementSize) {
  if (rejected(env)) return;
  if (buffer == nullptr) {
    throwNullPointer(env, "buffer is null");
    return;
  }
  void* address = env->GetDirectBufferAddress(buffer);
  if (address == nullptr) {
    throwIllegalArgument(env, "buffer is not direct");
    return;
  }
  jlong capacity = env->GetDirectBufferCapacity(buffer);
  if (first < 0 || end < first || end > capacity) {
    throwIllegalArgument(env, "region lies outside the buffer");
    return;
  }
  base_ = address;
}

}  // namespace nimbrel
