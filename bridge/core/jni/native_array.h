// Memory of the bridge's own for the length of one native, zeroed, and given
// back when the native returns. When it cannot be had, OutOfMemoryError is left
// pending and the native returns before it calls Steamworks, as it does for an
// argument it cannot use.
#pragma once

#include <jni.h>

#include <cstddef>
#include <memory>
#include <new>

#include "errors.h"

namespace nimbrel {

template <class T>
class NativeArray {
 public:
  NativeArray(JNIEnv* env, std::size_t count) {
    if (rejected(env)) return;
    elements_.reset(new (std::nothrow) T[count]());
    if (!elements_) throwOutOfMemory(env, "no memory for a native buffer");
  }

  T* get() const { return elements_.get(); }
  T& operator[](std::size_t i) const { return elements_[i]; }
  explicit operator bool() const { return elements_ != nullptr; }

 private:
  std::unique_ptr<T[]> elements_;
};

}  // namespace nimbrel
