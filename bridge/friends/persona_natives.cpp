// The natives of SteamFriends that read the player's persona and the friends
// list, and the two markers the game sets on other users.
#include "net_quorlen_steam_SteamFriends.h"

#include "frame.h"
#include "jni/booleans.h"
#include "jni/java_object.h"
#include "jni/java_string.h"
#include "jni/local_ref.h"
#include "jni/out_array.h"
#include "jni/string_arg.h"
#include "jni/steam_id.h"
#include "steamworks/isteamfriends.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT jstring JNICALL Java_net_quorlen_steam_SteamFriends_GetPersonaName(JNIEnv* env, jobject self) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return nullptr;
  return newJavaString(env, friends->GetPersonaName());
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_SetPersonaName(JNIEnv* env, jobject self, jstring name) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  StringArg personaName(env, name);
  if (rejected(env)) return;
  // The game learns of the change through onPersonaStateChange, not this call's result.
  friends->SetPersonaName(personaName);
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetPersonaState(JNIEnv* env, jobject self) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetPersonaState());
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetFriendCount(JNIEnv* env, jobject self, jint flags) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetFriendCount(flags));
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamFriends_GetFriendByIndex(JNIEnv* env, jobject self, jint index,
                                                                           jint flags) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return javaId(friends->GetFriendByIndex(index, flags));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetFriendRelationship(JNIEnv* env, jobject self,
                                                                               jlong user) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetFriendRelationship(steamId(user)));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetFriendPersonaState(JNIEnv* env, jobject self,
                                                                               jlong user) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetFriendPersonaState(steamId(user)));
}

JNIEXPORT jstring JNICALL Java_net_quorlen_steam_SteamFriends_GetFriendPersonaName(JNIEnv* env, jobject self,
                                                                                 jlong user) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return nullptr;
  return newJavaString(env, friends->GetFriendPersonaName(steamId(user)));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamFriends_GetFriendGamePlayed(JNIEnv* env, jobject self,
                                                                                  jlong user,
                                                                                  jobjectArray gameInfo) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  OutObjectArray out(env, gameInfo);
  if (rejected(env)) return JNI_FALSE;
  FriendGameInfo_t info{};
  if (!friends->GetFriendGamePlayed(steamId(user), &info)) return JNI_FALSE;
  // Ports are unsigned 16 bits, so they go as Java chars, never negative.
  LocalRef<jobject> game(env, newJavaObject(env, "net/quorlen/steam/friends/FriendGameInfo", "(JICCJ)V",
                                            static_cast<jlong>(info.m_gameID), static_cast<jint>(info.m_unGameIP),
                                            static_cast<jchar>(info.m_usGamePort),
                                            static_cast<jchar>(info.m_usQueryPort), javaId(info.m_steamIDLobby)));
  if (!game) return JNI_FALSE;
  out.set(game.get());
  return JNI_TRUE;
}

JNIEXPORT jstring JNICALL Java_net_quorlen_steam_SteamFriends_GetFriendPersonaNameHistory(JNIEnv* env, jobject self,
                                                                                        jlong user, jint index) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return nullptr;
  return newJavaString(env, friends->GetFriendPersonaNameHistory(steamId(user), index));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamFriends_HasFriend(JNIEnv* env, jobject self, jlong user,
                                                                        jint flags) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(friends->HasFriend(steamId(user), flags));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetSmallFriendAvatar(JNIEnv* env, jobject self,
                                                                              jlong user) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetSmallFriendAvatar(steamId(user)));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetMediumFriendAvatar(JNIEnv* env, jobject self,
                                                                               jlong user) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetMediumFriendAvatar(steamId(user)));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetLargeFriendAvatar(JNIEnv* env, jobject self,
                                                                              jlong user) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetLargeFriendAvatar(steamId(user)));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamFriends_RequestUserInformation(JNIEnv* env, jobject self,
                                                                                     jlong user,
                                                                                     jboolean nameOnly) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(friends->RequestUserInformation(steamId(user), fromJBoolean(nameOnly)));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetUserRestrictions(JNIEnv* env, jobject self) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetUserRestrictions());
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetCoplayFriendCount(JNIEnv* env, jobject self) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetCoplayFriendCount());
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamFriends_GetCoplayFriend(JNIEnv* env, jobject self, jint index) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return javaId(friends->GetCoplayFriend(index));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetFriendCoplayTime(JNIEnv* env, jobject self,
                                                                             jlong user) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetFriendCoplayTime(steamId(user)));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetFriendCoplayGame(JNIEnv* env, jobject self,
                                                                             jlong user) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetFriendCoplayGame(steamId(user)));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetFriendCountFromSource(JNIEnv* env, jobject self,
                                                                                  jlong source) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetFriendCountFromSource(steamId(source)));
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamFriends_GetFriendFromSourceByIndex(JNIEnv* env, jobject self,
                                                                                     jlong source, jint index) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return javaId(friends->GetFriendFromSourceByIndex(steamId(source), index));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamFriends_IsUserInSource(JNIEnv* env, jobject self, jlong user,
                                                                             jlong source) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(friends->IsUserInSource(steamId(user), steamId(source)));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_SetInGameVoiceSpeaking(JNIEnv* env, jobject self,
                                                                                jlong user, jboolean speaking) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return;
  friends->SetInGameVoiceSpeaking(steamId(user), fromJBoolean(speaking));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_SetPlayedWith(JNIEnv* env, jobject self, jlong user) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return;
  friends->SetPlayedWith(steamId(user));
}

}  // extern "C"
