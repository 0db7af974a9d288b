// The natives that attach and detach the listener of net.quorlen.steam.SteamUtils.
#include "net_quorlen_steam_SteamUtils.h"

#include "adapter/adapter_natives.h"
#include "utils_callback_handler.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamUtils_createNativeCallbackAdapter(JNIEnv* env, jobject,
                                                                                      jobject listener) {
  return createAdapter<UtilsCallbackHandler>(env, listener);
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUtils_removeNativeCallbackAdapter(JNIEnv*, jobject, jlong handle) {
  removeAdapter<UtilsCallbackHandler>(handle);
}

}  // extern "C"
