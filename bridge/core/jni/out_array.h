// A one-element Java array through which a native hands back an extra value.
// The array is checked when the holder is made, before Steamworks is called:
// null is rejected with NullPointerException, an empty array with
// ArrayIndexOutOfBoundsException. Only element 0 is ever written.
#pragma once

#include <jni.h>

#include <type_traits>

#include "array_traits.h"
#include "errors.h"
#include "java_string.h"
#include "local_ref.h"

namespace nimbrel {

bool checkOutArray(JNIEnv* env, jarray array);

template <class Element>
class OutArray {
 public:
  using Array = typename ArrayTraits<Element>::Array;

  OutArray(JNIEnv* env, Array array) : env_(env), array_(array), usable_(checkOutArray(env, array)) {}

  template <class Value>
  void set(Value value) {
    Element element = convert(value);
    (env_->*ArrayTraits<Element>::setRegion)(array_, 0, 1, &element);
  }

  explicit operator bool() const { return usable_; }

 private:
  template <class Value>
  static Element convert(Value value) {
    if constexpr (std::is_same_v<Element, jboolean>) {
      return value ? JNI_TRUE : JNI_FALSE;
    } else {
      return static_cast<Element>(value);
    }
  }

  JNIEnv* env_;
  Array array_;
  bool usable_;
};

// An out-array of objects (String[], or an array of a class the bridge builds).
class OutObjectArray {
 public:
  OutObjectArray(JNIEnv* env, jobjectArray array) : env_(env), array_(array), usable_(checkOutArray(env, array)) {}

  void set(jobject value) { env_->SetObjectArrayElement(array_, 0, value); }

  // Stores a new string made from Steamworks text and drops the local reference.
  void setText(const char* text) {
    LocalRef<jstring> string(env_, newJavaString(env_, text));
    set(string.get());
  }

  explicit operator bool() const { return usable_; }

 private:
  JNIEnv* env_;
  jobjectArray array_;
  bool usable_;
};

}  // namespace nimbrel
