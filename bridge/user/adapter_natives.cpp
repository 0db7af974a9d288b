// The natives that make and remove the listener adapter of SteamUser.
#include "net_quorlen_steam_SteamUser.h"

#include "adapter/adapter_natives.h"
#include "user_callback_handler.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamUser_createNativeCallbackAdapter(JNIEnv* env, jobject,
                                                                                    jobject listener) {
  return createAdapter<UserCallbackHandler>(env, listener);
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUser_removeNativeCallbackAdapter(JNIEnv*, jobject,
                                                                                   jlong handle) {
  removeAdapter<UserCallbackHandler>(handle);
}

}  // extern "C"
