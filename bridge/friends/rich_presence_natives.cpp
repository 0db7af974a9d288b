// The natives of SteamFriends for rich presence: the player's own, friends',
// and the invitation that carries a connect string.
#include "net_quorlen_steam_SteamFriends.h"

#include "frame.h"
#include "jni/booleans.h"
#include "jni/java_string.h"
#include "jni/string_arg.h"
#include "jni/steam_id.h"
#include "steamworks/isteamfriends.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamFriends_SetRichPresence(JNIEnv* env, jobject self, jstring key,
                                                                              jstring value) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  StringArg presenceKey(env, key);
  StringArg presenceValue(env, value);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(friends->SetRichPresence(presenceKey, presenceValue));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_ClearRichPresence(JNIEnv* env, jobject self) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return;
  friends->ClearRichPresence();
}

JNIEXPORT jstring JNICALL Java_net_quorlen_steam_SteamFriends_GetFriendRichPresence(JNIEnv* env, jobject self,
                                                                                  jlong user, jstring key) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  StringArg presenceKey(env, key);
  if (rejected(env)) return nullptr;
  return newJavaString(env, friends->GetFriendRichPresence(steamId(user), presenceKey));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetFriendRichPresenceKeyCount(JNIEnv* env, jobject self,
                                                                                       jlong user) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetFriendRichPresenceKeyCount(steamId(user)));
}

JNIEXPORT jstring JNICALL Java_net_quorlen_steam_SteamFriends_GetFriendRichPresenceKeyByIndex(JNIEnv* env,
                                                                                            jobject self,
                                                                                            jlong user,
                                                                                            jint index) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return nullptr;
  return newJavaString(env, friends->GetFriendRichPresenceKeyByIndex(steamId(user), index));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_RequestFriendRichPresence(JNIEnv* env, jobject self,
                                                                                   jlong user) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return;
  friends->RequestFriendRichPresence(steamId(user));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamFriends_InviteUserToGame(JNIEnv* env, jobject self,
                                                                               jlong user, jstring connect) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  StringArg connectString(env, connect);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(friends->InviteUserToGame(steamId(user), connectString));
}

}  // extern "C"
