// The text buffer of one chat-message read (a clan chat or a friend's
// message): 64 KiB, handed to Steamworks with its size. It starts as the empty
// string, so a message Steamworks does not hold reads as "", and its last byte
// is a terminator whatever Steamworks wrote, so a message that fills it is cut
// there and never read past the end.
#pragma once

#include "jni/native_array.h"

namespace nimbrel {

class ChatMessageBuffer {
 public:
  static constexpr int kBytes = 65536;

  explicit ChatMessageBuffer(JNIEnv* env) : bytes_(env, kBytes) {}

  void* data() const { return bytes_.get(); }
  int capacity() const { return kBytes; }

  const char* text() const {
    bytes_[kBytes - 1] = '\0';
    return bytes_.get();
  }

 private:
  NativeArray<char> bytes_;
};

}  // namespace nimbrel
