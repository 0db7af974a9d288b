// The natives that attach and detach the listener of net.quorlen.steam.SteamApps.
#include "net_quorlen_steam_SteamApps.h"

#include "adapter/adapter_natives.h"
#include "apps_callback_handler.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamApps_createNativeCallbackAdapter(JNIEnv* env, jobject,
                                                                                     jobject listener) {
  return createAdapter<AppsCallbackHandler>(env, listener);
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamApps_removeNativeCallbackAdapter(JNIEnv*, jobject, jlong handle) {
  removeAdapter<AppsCallbackHandler>(handle);
}

}  // extern "C"
