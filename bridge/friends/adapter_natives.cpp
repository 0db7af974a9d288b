// The natives that make and remove the Friends listener adapter.
#include "net_quorlen_steam_SteamFriends.h"

#include "adapter/adapter_natives.h"
#include "friends_callback_handler.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamFriends_createNativeCallbackAdapter(JNIEnv* env, jobject,
                                                                                      jobject listener) {
  return createAdapter<FriendsCallbackHandler>(env, listener);
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_removeNativeCallbackAdapter(JNIEnv*, jobject,
                                                                                     jlong handle) {
  removeAdapter<FriendsCallbackHandler>(handle);
}

}  // extern "C"
