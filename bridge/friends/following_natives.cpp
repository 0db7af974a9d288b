// The natives of SteamFriends that ask who follows whom; the answers arrive
// through the listener.
#include "net_quorlen_steam_SteamFriends.h"

#include "adapter/adapter_natives.h"
#include "frame.h"
#include "friends_callback_handler.h"
#include "jni/steam_id.h"
#include "steamworks/isteamfriends.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_GetFollowerCount(JNIEnv* env, jobject self, jlong user) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return;
  arm(env, self, &FriendsCallbackHandler::friendsGetFollowerCount, friends->GetFollowerCount(steamId(user)));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_IsFollowing(JNIEnv* env, jobject self, jlong user) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return;
  arm(env, self, &FriendsCallbackHandler::friendsIsFollowing, friends->IsFollowing(steamId(user)));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_EnumerateFollowingList(JNIEnv* env, jobject self,
                                                                                jint startIndex) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return;
  arm(env, self, &FriendsCallbackHandler::friendsEnumerateFollowingList,
      friends->EnumerateFollowingList(static_cast<uint32>(startIndex)));
}

}  // extern "C"
