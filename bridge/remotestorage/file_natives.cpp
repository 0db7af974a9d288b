// The natives of SteamRemoteStorage for the player's cloud files.
#include "net_quorlen_steam_SteamRemoteStorage.h"

#include "frame.h"
#include "jni/booleans.h"
#include "jni/direct_region.h"
#include "jni/java_string.h"
#include "jni/out_array.h"
#include "jni/string_arg.h"
#include "steamworks/isteamremotestorage.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamRemoteStorage_FileWrite(JNIEnv* env, jobject self,
                                                                              jstring fileName, jobject data,
                                                                              jint position, jint limit) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  StringArg name(env, fileName);
  DirectRegion region(env, data, position, limit);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(storage->FileWrite(name, region.begin(), static_cast<int32>(region.bytes())));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamRemoteStorage_FileRead(JNIEnv* env, jobject self,
                                                                         jstring fileName, jobject data,
                                                                         jint position, jint limit) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  StringArg name(env, fileName);
  DirectRegion region(env, data, position, limit);
  if (rejected(env)) return 0;
  return storage->FileRead(name, region.begin(), static_cast<int32>(region.bytes()));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamRemoteStorage_FileForget(JNIEnv* env, jobject self,
                                                                               jstring fileName) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  StringArg name(env, fileName);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(storage->FileForget(name));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamRemoteStorage_FileDelete(JNIEnv* env, jobject self,
                                                                               jstring fileName) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  StringArg name(env, fileName);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(storage->FileDelete(name));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamRemoteStorage_FileExists(JNIEnv* env, jobject self,
                                                                               jstring fileName) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  StringArg name(env, fileName);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(storage->FileExists(name));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamRemoteStorage_FilePersisted(JNIEnv* env, jobject self,
                                                                                  jstring fileName) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  StringArg name(env, fileName);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(storage->FilePersisted(name));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamRemoteStorage_GetFileSize(JNIEnv* env, jobject self,
                                                                            jstring fileName) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  StringArg name(env, fileName);
  if (rejected(env)) return 0;
  return static_cast<jint>(storage->GetFileSize(name));
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamRemoteStorage_GetFileTimestamp(JNIEnv* env, jobject self,
                                                                                  jstring fileName) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  StringArg name(env, fileName);
  if (rejected(env)) return 0;
  return static_cast<jlong>(storage->GetFileTimestamp(name));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamRemoteStorage_SetSyncPlatforms(JNIEnv* env, jobject self,
                                                                                     jstring fileName,
                                                                                     jint platforms) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  StringArg name(env, fileName);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(storage->SetSyncPlatforms(name, static_cast<ERemoteStoragePlatform>(platforms)));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamRemoteStorage_GetSyncPlatforms(JNIEnv* env, jobject self,
                                                                                 jstring fileName) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  StringArg name(env, fileName);
  if (rejected(env)) return 0;
  return static_cast<jint>(storage->GetSyncPlatforms(name));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamRemoteStorage_GetFileCount(JNIEnv* env, jobject self) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  if (rejected(env)) return 0;
  return storage->GetFileCount();
}

JNIEXPORT jstring JNICALL Java_net_quorlen_steam_SteamRemoteStorage_GetFileNameAndSize(JNIEnv* env, jobject self,
                                                                                      jint index,
                                                                                      jintArray fileSize) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  OutArray<jint> sizeOut(env, fileSize);
  if (rejected(env)) return nullptr;
  int32 size = 0;
  const char* name = storage->GetFileNameAndSize(index, &size);
  sizeOut.set(size);
  return newJavaString(env, name);
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamRemoteStorage_GetQuota(JNIEnv* env, jobject self,
                                                                             jintArray totalBytes,
                                                                             jintArray availableBytes) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  OutArray<jint> totalOut(env, totalBytes);
  OutArray<jint> availableOut(env, availableBytes);
  if (rejected(env)) return JNI_FALSE;
  int32 total = 0;
  int32 available = 0;
  bool known = storage->GetQuota(&total, &available);
  totalOut.set(total);
  availableOut.set(available);
  return toJBoolean(known);
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamRemoteStorage_IsCloudEnabledForAccount(JNIEnv* env,
                                                                                             jobject self) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(storage->IsCloudEnabledForAccount());
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamRemoteStorage_IsCloudEnabledForApp(JNIEnv* env,
                                                                                         jobject self) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(storage->IsCloudEnabledForApp());
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamRemoteStorage_SetCloudEnabledForApp(JNIEnv* env, jobject self,
                                                                                      jboolean enabled) {
  auto* storage = pointerOf<ISteamRemoteStorage>(env, self);
  if (rejected(env)) return;
  storage->SetCloudEnabledForApp(fromJBoolean(enabled));
}

}  // extern "C"
