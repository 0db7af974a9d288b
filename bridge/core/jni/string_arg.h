// A Java string argument as the C string Steamworks reads: the VM's own
// characters when they are already standard UTF-8, a converted copy otherwise.
// The characters are released when the holder goes out of scope.
#pragma once

#include <jni.h>

#include <string>

namespace nimbrel {

class StringArg {
 public:
  // A null string is rejected (NullPointerException pending, holder empty).
  StringArg(JNIEnv* env, jstring string);
  ~StringArg();
  StringArg(const StringArg&) = delete;
  StringArg& operator=(const StringArg&) = delete;

  const char* get() const { return text_; }
  operator const char*() const { return text_; }
  explicit operator bool() const { return text_ != nullptr; }

 private:
  JNIEnv* env_;
  jstring string_;
  const char* chars_ = nullptr;
  const char* text_ = nullptr;
  std::string standard_;
};

}  // namespace nimbrel
