// The natives that attach and detach the listener of net.quorlen.steam.SteamApps.
#include "net_quorlen_steam_SteamApps.h"

// The adapter (and with it the Steamworks types) before the shared natives,
// whose header does not include the types itself.
#include "apps_callback_handler.h"
#include "adapter/adapter_natives.h"

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
