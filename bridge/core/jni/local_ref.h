// Owns one local reference and deletes it when the scope ends, so that code
// running many times inside one native (event delivery) does not fill the
// local reference table.
#pragma once

#include <jni.h>

namespace nimbrel {

template <class T>
class LocalRef {
 public:
  LocalRef(JNIEnv* env, T ref) : env_(env), ref_(ref) {}
  ~LocalRef() {
    if (ref_ != nullptr) env_->DeleteLocalRef(ref_);
  }
  LocalRef(const LocalRef&) = delete;
  LocalRef& operator=(const LocalRef&) = delete;

  T get() const { return ref_; }
  explicit operator bool() const { return ref_ != nullptr; }

  // Hands the reference to the caller, who returns it to Java.
  T release() {
    T ref = ref_;
    ref_ = nullptr;
    return ref;
  }

 private:
  JNIEnv* env_;
  T ref_;
};

// Deletes every local reference made while it is alive.
class LocalFrame {
 public:
  LocalFrame(JNIEnv* env, jint capacity) : env_(env), pushed_(env->PushLocalFrame(capacity) == 0) {}
  ~LocalFrame() {
    if (pushed_) env_->PopLocalFrame(nullptr);
  }
  LocalFrame(const LocalFrame&) = delete;
  LocalFrame& operator=(const LocalFrame&) = delete;

  explicit operator bool() const { return pushed_; }

 private:
  JNIEnv* env_;
  bool pushed_;
};

}  // namespace nimbrel
