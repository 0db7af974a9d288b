// The natives of SteamRemoteStorage for shared content: sharing a cloud file,
// downloading shared content and reading what was downloaded.
#include "net_quorlen_steam_SteamRemoteStorage.h"

#include "adapter/adapter_natives.h"
#include "frame.h"
#include "jni/booleans.h"
#include "jni/direct_region.h"
#include "jni/out_array.h"
#include "jni/string_arg.h"
#include "remotestorage_callback_handler.h"
#include "steamworks/isteamremotestorage.h"
#include "jni/steam_id.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamRemoteStorage_FileShare(JNIEnv* env, jobject self,
                                                                          jstring fileName) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  StringArg name(env, fileName);
  if (rejected(env)) return;
  arm(env, self, &RemoteStorageCallbackHandler::fileShareResult, storage->FileShare(name));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamRemoteStorage_UGCDownload(JNIEnv* env, jobject self,
                                                                            jlong content, jint priority) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  if (rejected(env)) return;
  arm(env, self, &RemoteStorageCallbackHandler::downloadUGCResult,
      storage->UGCDownload(static_cast<UGCHandle_t>(content), static_cast<uint32>(priority)));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamRemoteStorage_GetUGCDetails(
    JNIEnv* env, jobject self, jlong content, jlongArray appId, jobjectArray fileName, jintArray sizeInBytes,
    jlongArray steamIdOwner) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  OutArray<jlong> appIdOut(env, appId);
  OutObjectArray fileNameOut(env, fileName);
  OutArray<jint> sizeOut(env, sizeInBytes);
  OutArray<jlong> ownerOut(env, steamIdOwner);
  if (rejected(env)) return JNI_FALSE;
  AppId_t app = 0;
  char* name = nullptr;
  int32 size = 0;
  CSteamID owner{0};
  if (!storage->GetUGCDetails(static_cast<UGCHandle_t>(content), &app, &name, &size, &owner)) return JNI_FALSE;
  appIdOut.set(static_cast<jlong>(app));  // an app id is unsigned: never a negative long
  fileNameOut.setText(name);
  sizeOut.set(size);
  ownerOut.set(javaId(owner));
  return JNI_TRUE;
}

// Unlike FileRead, the position is where in the content reading starts; the
// bytes land at the start of the buffer, so the region checked is the one
// Java describes and the one written is its length from element 0.
JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamRemoteStorage_UGCRead(JNIEnv* env, jobject self, jlong content,
                                                                        jobject data, jint position, jint limit) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  DirectRegion region(env, data, position, limit);
  if (rejected(env)) return 0;
  return storage->UGCRead(static_cast<UGCHandle_t>(content), region.base(), static_cast<int32>(region.bytes()),
                          static_cast<uint32>(position));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamRemoteStorage_GetCachedUGCCount(JNIEnv* env, jobject self) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  if (rejected(env)) return 0;
  return storage->GetCachedUGCCount();
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamRemoteStorage_GetCachedUGCHandle(JNIEnv* env, jobject self,
                                                                                    jint index) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jlong>(storage->GetCachedUGCHandle(index));
}

}  // extern "C"
