// A region of a direct java.nio buffer handed to Steamworks in place: the
// elements from `first` up to, not including, `end`. Java passes the two
// bounds itself (a position and a limit, or a start and an end index), so they
// are checked against the buffer's capacity before anything is handed on:
// null is rejected with NullPointerException; a heap buffer, a bound outside
// 0..capacity or first above end with IllegalArgumentException.
#pragma once

#include <jni.h>

#include <cstddef>

namespace nimbrel {

class DirectRegion {
 public:
  DirectRegion(JNIEnv* env, jobject buffer, jint first, jint end, std::size_t elementSize = 1);

  // The buffer's element 0, whatever the bounds.
  void* base() const { return base_; }
  // The first element of the region.
  void* begin() const { return static_cast<char*>(base_) + static_cast<std::size_t>(first_) * elementSize_; }
  // The region's length in elements and in bytes.
  std::size_t count() const { return static_cast<std::size_t>(end_ - first_); }
  std::size_t bytes() const { return count() * elementSize_; }

  explicit operator bool() const { return base_ != nullptr; }

 private:
  void* base_ = nullptr;
  jint first_;
  jint end_;
  std::size_t elementSize_;
};

}  // namespace nimbrel
