// The natives of SteamFriends that open the Steam overlay.
#include "net_quorlen_steam_SteamFriends.h"

#include "frame.h"
#include "jni/string_arg.h"
#include "jni/steam_id.h"
#include "steamworks/isteamfriends.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_ActivateGameOverlay(JNIEnv* env, jobject self,
                                                                             jstring dialog) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  StringArg dialogName(env, dialog);
  if (rejected(env)) return;
  friends->ActivateGameOverlay(dialogName);
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_ActivateGameOverlayToUser(JNIEnv* env, jobject self,
                                                                                   jstring dialog, jlong user) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  StringArg dialogName(env, dialog);
  if (rejected(env)) return;
  friends->ActivateGameOverlayToUser(dialogName, steamId(user));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_ActivateGameOverlayToWebPage(JNIEnv* env, jobject self,
                                                                                      jstring url) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  StringArg address(env, url);
  if (rejected(env)) return;
  friends->ActivateGameOverlayToWebPage(address);
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_ActivateGameOverlayToStore(JNIEnv* env, jobject self,
                                                                                    jint appId, jint storeFlag) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return;
  friends->ActivateGameOverlayToStore(static_cast<AppId_t>(appId), storeFlag);
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_ActivateGameOverlayInviteDialog(JNIEnv* env, jobject self,
                                                                                         jlong lobby) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return;
  friends->ActivateGameOverlayInviteDialog(steamId(lobby));
}

}  // extern "C"
