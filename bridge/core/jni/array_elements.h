// The elements of a Java input array, pinned or copied by the VM, for the
// length of one Steamworks call. The count the caller passes must lie within
// the array: null is rejected with NullPointerException, a negative count or
// one beyond the array's length with ArrayIndexOutOfBoundsException. Steamworks
// only reads these elements, so they are released without copying back.
#pragma once

#include <jni.h>

#include "array_traits.h"
#include "errors.h"

namespace nimbrel {

bool checkArrayCount(JNIEnv* env, jarray array, jint count);

template <class Element>
class ArrayElements {
 public:
  using Array = typename ArrayTraits<Element>::Array;

  ArrayElements(JNIEnv* env, Array array, jint count) : env_(env), array_(array) {
    if (!checkArrayCount(env, array, count)) return;
    elements_ = (env->*ArrayTraits<Element>::getElements)(array, nullptr);
  }
  ~ArrayElements() {
    if (elements_ != nullptr) (env_->*ArrayTraits<Element>::releaseElements)(array_, elements_, JNI_ABORT);
  }
  ArrayElements(const ArrayElements&) = delete;
  ArrayElements& operator=(const ArrayElements&) = delete;

  Element* get() const { return elements_; }
  explicit operator bool() const { return elements_ != nullptr; }

 private:
  JNIEnv* env_;
  Array array_;
  Element* elements_ = nullptr;
};

}  // namespace nimbrel
