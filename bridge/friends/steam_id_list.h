// A Java long[] of Steam IDs as the list Steamworks reads: a copy of the whole
// array, in array order, for the length of one native. A null array is
// rejected with NullPointerException.
#pragma once

#include <jni.h>

#include "jni/native_array.h"
#include "steamworks/steam_types.h"

namespace nimbrel {

class SteamIdList {
 public:
  SteamIdList(JNIEnv* env, jlongArray ids);

  CSteamID* data() const { return ids_.get(); }
  int count() const { return count_; }

 private:
  static jint lengthOf(JNIEnv* env, jlongArray ids);

  jint count_;
  NativeArray<CSteamID> ids_;
};

}  // namespace nimbrel
