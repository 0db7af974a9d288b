// The Java FriendGameInfo that GetFriendGamePlayed hands back.
#pragma once

#include <jni.h>

#include "steamworks/isteamfriends.h"

namespace nimbrel {

// A new local reference, or null with the VM's error pending when the class,
// its constructor or the memory for it is missing.
jobject newFriendGameInfo(JNIEnv* env, const FriendGameInfo_t& info);

}  // namespace nimbrel
