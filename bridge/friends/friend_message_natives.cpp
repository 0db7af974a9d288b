// The natives of SteamFriends that intercept and answer friends' chat messages.
#include "net_quorlen_steam_SteamFriends.h"

#include "chat_message_buffer.h"
#include "frame.h"
#include "jni/booleans.h"
#include "jni/out_array.h"
#include "jni/string_arg.h"
#include "jni/steam_id.h"
#include "steamworks/isteamfriends.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamFriends_SetListenForFriendsMessages(JNIEnv* env, jobject self,
                                                                                          jboolean intercept) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(friends->SetListenForFriendsMessages(fromJBoolean(intercept)));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamFriends_ReplyToFriendMessage(JNIEnv* env, jobject self,
                                                                                   jlong user, jstring text) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  StringArg message(env, text);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(friends->ReplyToFriendMessage(steamId(user), message));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamFriends_GetFriendMessage(JNIEnv* env, jobject self, jlong user,
                                                                          jint messageId, jobjectArray text,
                                                                          jintArray chatEntryType) {
  auto* friends = pointerOf<ISteamFriends>(env, self);
  OutObjectArray textOut(env, text);
  OutArray<jint> typeOut(env, chatEntryType);
  ChatMessageBuffer buffer(env);
  if (rejected(env)) return 0;
  EChatEntryType type = 0;
  int result = friends->GetFriendMessage(steamId(user), messageId, buffer.data(), buffer.capacity(), &type);
  // Written whatever the result: a message Steamworks does not hold reads as "" and 0.
  textOut.setText(buffer.text());
  typeOut.set(type);
  return static_cast<jint>(result);
}

}  // extern "C"
