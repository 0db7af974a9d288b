// The natives of SteamUser for the player's identity and data folder.
#include "net_quorlen_steam_SteamUser.h"

#include "frame.h"
#include "jni/booleans.h"
#include "jni/java_string.h"
#include "jni/local_ref.h"
#include "jni/out_array.h"
#include "steamworks/isteamuser.h"
#include "jni/steam_id.h"

using namespace nimbrel;

namespace {

constexpr int kUserDataFolderBytes = 512;

}  // namespace

extern "C" {

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamUser_GetSteamID(JNIEnv* env, jobject self) {
  auto* user = pointerOf<ISteamUser>(env, self);
  if (rejected(env)) return 0;
  return javaId(user->GetSteamID());
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUser_BLoggedOn(JNIEnv* env, jobject self) {
  auto* user = pointerOf<ISteamUser>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(user->BLoggedOn());
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUser_BIsBehindNAT(JNIEnv* env, jobject self) {
  auto* user = pointerOf<ISteamUser>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(user->BIsBehindNAT());
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUser_GetUserDataFolder(JNIEnv* env, jobject self,
                                                                             jobjectArray folder) {
  auto* user = pointerOf<ISteamUser>(env, self);
  OutObjectArray folderOut(env, folder);
  if (rejected(env)) return JNI_FALSE;
  char path[kUserDataFolderBytes] = {};
  if (!user->GetUserDataFolder(path, kUserDataFolderBytes)) return JNI_FALSE;
  // Read as a fixed field: a path that fills the buffer without a NUL ends at its end.
  LocalRef<jstring> text(env, newJavaStringFromField(env, path));
  folderOut.set(text.get());
  return JNI_TRUE;
}

}  // extern "C"
