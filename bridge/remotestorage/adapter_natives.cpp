// The natives that make and remove the listener adapter of SteamRemoteStorage.
#include "net_quorlen_steam_SteamRemoteStorage.h"

#include "adapter/adapter_natives.h"
#include "remotestorage_callback_handler.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamRemoteStorage_createNativeCallbackAdapter(JNIEnv* env, jobject,
                                                                                             jobject listener) {
  return createAdapter<RemoteStorageCallbackHandler>(env, listener);
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamRemoteStorage_removeNativeCallbackAdapter(JNIEnv*, jobject,
                                                                                            jlong handle) {
  removeAdapter<RemoteStorageCallbackHandler>(handle);
}

}  // extern "C"
