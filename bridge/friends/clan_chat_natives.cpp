// The natives of SteamFriends for clan chat rooms: joining and leaving,
// members, messages, and the Steam chat window.
#include "net_quorlen_steam_SteamFriends.h"

#include "adapter/adapter_natives.h"
#include "chat_message_buffer.h"
#include "frame.h"
#include "friends_callback_handler.h"
#include "jni/booleans.h"
#include "jni/out_array.h"
#include "jni/string_arg.h"
#include "jni/steam_id.h"
#include "steamworks/isteamfriends.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamFriends_JoinClanChatRoom(JNIEnv* env, jobject self, jlong clan) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return;
  arm(env, self, &FriendsCallbackHandler::joinClanChatRoomCompletionResult, friends->JoinClanChatRoom(steamId(clan)));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamFriends_LeaveClanChatRoom(JNIEnv* env, jobject self,
                                                                                jlong clan) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(friends->LeaveClanChatRoom(steamId(clan)));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetClanChatMemberCount(JNIEnv* env, jobject self,
                                                                                jlong clan) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(friends->GetClanChatMemberCount(steamId(clan)));
}

JNIEXPORT jlong JNICALL Java_net_quorlen_steam_SteamFriends_GetChatMemberByIndex(JNIEnv* env, jobject self,
                                                                               jlong clan, jint index) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return 0;
  return javaId(friends->GetChatMemberByIndex(steamId(clan), index));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamFriends_SendClanChatMessage(JNIEnv* env, jobject self,
                                                                                  jlong chat, jstring text) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  StringArg message(env, text);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(friends->SendClanChatMessage(steamId(chat), message));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetClanChatMessage(JNIEnv* env, jobject self, jlong chat,
                                                                            jint messageIndex, jobjectArray text,
                                                                            jintArray chatEntryType,
                                                                            jlongArray steamIdChatter) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  OutObjectArray textOut(env, text);
  OutArray<jint> typeOut(env, chatEntryType);
  OutArray<jlong> chatterOut(env, steamIdChatter);
  ChatMessageBuffer buffer(env);
  if (rejected(env)) return 0;
  EChatEntryType type = 0;
  CSteamID chatter{0};
  int result = friends->GetClanChatMessage(steamId(chat), messageIndex, buffer.data(), buffer.capacity(), &type,
                                           &chatter);
  // Written whatever the result: a message Steamworks no longer holds reads as "", 0 and 0.
  textOut.setText(buffer.text());
  typeOut.set(type);
  chatterOut.set(javaId(chatter));
  return static_cast<jint>(result);
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamFriends_IsClanChatAdmin(JNIEnv* env, jobject self, jlong chat,
                                                                              jlong user) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(friends->IsClanChatAdmin(steamId(chat), steamId(user)));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamFriends_IsClanChatWindowOpenInSteam(JNIEnv* env, jobject self,
                                                                                          jlong chat) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(friends->IsClanChatWindowOpenInSteam(steamId(chat)));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamFriends_OpenClanChatWindowInSteam(JNIEnv* env, jobject self,
                                                                                        jlong chat) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(friends->OpenClanChatWindowInSteam(steamId(chat)));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamFriends_CloseClanChatWindowInSteam(JNIEnv* env, jobject self,
                                                                                         jlong chat) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(friends->CloseClanChatWindowInSteam(steamId(chat)));
}

}  // extern "C"
