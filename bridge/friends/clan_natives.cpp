// The natives of SteamFriends that read the player's clans: names, tags,
// activity counts, owner and officers.
#include "net_quorlen_steam_SteamFriends.h"

#include "adapter/adapter_natives.h"
#include "frame.h"
#include "friends_callback_handler.h"
#include "jni/booleans.h"
#include "jni/java_string.h"
#include "jni/out_array.h"
#include "jni/steam_id.h"
#include "steam_id_list.h"
#include "steamworks/isteamfriends.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetClanCount(JNIEnv* env, jobject self) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetClanCount());
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamFriends_GetClanByIndex(JNIEnv* env, jobject self, jint index) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return javaId(friends->GetClanByIndex(index));
}

JNIEXPORT jstring JNICALL Java_net_quorlen_steam_SteamFriends_GetClanName(JNIEnv* env, jobject self, jlong clan) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return nullptr;
  return newJavaString(env, friends->GetClanName(steamId(clan)));
}

JNIEXPORT jstring JNICALL Java_net_quorlen_steam_SteamFriends_GetClanTag(JNIEnv* env, jobject self, jlong clan) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return nullptr;
  return newJavaString(env, friends->GetClanTag(steamId(clan)));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamFriends_GetClanActivityCounts(JNIEnv* env, jobject self,
                                                                                    jlong clan, jintArray online,
                                                                                    jintArray inGame,
                                                                                    jintArray chatting) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  OutArray<jint> onlineOut(env, online);
  OutArray<jint> inGameOut(env, inGame);
  OutArray<jint> chattingOut(env, chatting);
  if (rejected(env)) return JNI_FALSE;
  int onlineCount = 0;
  int inGameCount = 0;
  int chattingCount = 0;
  bool known = friends->GetClanActivityCounts(steamId(clan), &onlineCount, &inGameCount, &chattingCount);
  if (!known) return JNI_FALSE;
  onlineOut.set(onlineCount);
  inGameOut.set(inGameCount);
  chattingOut.set(chattingCount);
  return JNI_TRUE;
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_DownloadClanActivityCounts(JNIEnv* env, jobject self,
                                                                                    jlongArray clans) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  SteamIdList list(env, clans);
  if (rejected(env)) return;
  arm(env, self, &FriendsCallbackHandler::downloadClanActivityCountsResult,
      friends->DownloadClanActivityCounts(list.data(), list.count()));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_RequestClanOfficerList(JNIEnv* env, jobject self,
                                                                                jlong clan) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return;
  arm(env, self, &FriendsCallbackHandler::clanOfficerListResponse, friends->RequestClanOfficerList(steamId(clan)));
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamFriends_GetClanOwner(JNIEnv* env, jobject self, jlong clan) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return javaId(friends->GetClanOwner(steamId(clan)));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetClanOfficerCount(JNIEnv* env, jobject self,
                                                                             jlong clan) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetClanOfficerCount(steamId(clan)));
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamFriends_GetClanOfficerByIndex(JNIEnv* env, jobject self,
                                                                                jlong clan, jint index) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return javaId(friends->GetClanOfficerByIndex(steamId(clan), index));
}

}  // extern "C"
