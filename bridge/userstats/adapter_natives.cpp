// The natives that attach and detach SteamUserStats's listener adapter.
#include "net_quorlen_steam_SteamUserStats.h"

#include "adapter/adapter_natives.h"
#include "userstats_callback_handler.h"

using nimbrel::UserStatsCallbackHandler;

extern "C" {

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamUserStats_createNativeCallbackAdapter(JNIEnv* env, jobject,
                                                                                         jobject listener) {
  return nimbrel::createAdapter<UserStatsCallbackHandler>(env, listener);
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUserStats_removeNativeCallbackAdapter(JNIEnv*, jobject,
                                                                                        jlong handle) {
  nimbrel::removeAdapter<UserStatsCallbackHandler>(handle);
}

}  // extern "C"
