// Other users' statistics and achievements. Unlike the local player's getters,
// these write their out-arrays whatever Steamworks answers, so a failed read
// leaves 0 or false behind rather than a stale value.
#include "net_quorlen_steam_SteamUserStats.h"

#include "adapter/adapter_natives.h"
#include "frame.h"
#include "jni/booleans.h"
#include "jni/out_array.h"
#include "jni/string_arg.h"
#include "steamworks/isteamuserstats.h"
#include "userstats_callback_handler.h"
#include "jni/steam_id.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUserStats_RequestUserStats(JNIEnv* env, jobject self,
                                                                             jlong steamIdUser) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  if (rejected(env)) return;
  arm(env, self, &UserStatsCallbackHandler::userStatsReceived, stats->RequestUserStats(steamId(steamIdUser)));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_GetUserStat__JLjava_lang_String_2_3I(
    JNIEnv* env, jobject self, jlong steamIdUser, jstring name, jintArray value) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg statName(env, name);
  OutArray<jint> out(env, value);
  if (rejected(env)) return JNI_FALSE;
  int32 data = 0;
  bool found = stats->GetUserStat(steamId(steamIdUser), statName, &data);
  out.set(data);
  return toJBoolean(found);
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_GetUserStat__JLjava_lang_String_2_3F(
    JNIEnv* env, jobject self, jlong steamIdUser, jstring name, jfloatArray value) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg statName(env, name);
  OutArray<jfloat> out(env, value);
  if (rejected(env)) return JNI_FALSE;
  float data = 0;
  bool found = stats->GetUserStat(steamId(steamIdUser), statName, &data);
  out.set(data);
  return toJBoolean(found);
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_GetUserAchievement(JNIEnv* env, jobject self,
                                                                                   jlong steamIdUser, jstring name,
                                                                                   jbooleanArray achieved) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg achievement(env, name);
  OutArray<jboolean> outAchieved(env, achieved);
  if (rejected(env)) return JNI_FALSE;
  bool isAchieved = false;
  bool found = stats->GetUserAchievement(steamId(steamIdUser), achievement, &isAchieved);
  outAchieved.set(isAchieved);
  return toJBoolean(found);
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_GetUserAchievementAndUnlockTime(
    JNIEnv* env, jobject self, jlong steamIdUser, jstring name, jbooleanArray achieved, jintArray unlockTime) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg achievement(env, name);
  OutArray<jboolean> outAchieved(env, achieved);
  OutArray<jint> outUnlockTime(env, unlockTime);
  if (rejected(env)) return JNI_FALSE;
  bool isAchieved = false;
  uint32 time = 0;
  bool found = stats->GetUserAchievementAndUnlockTime(steamId(steamIdUser), achievement, &isAchieved, &time);
  outAchieved.set(isAchieved);
  outUnlockTime.set(time);
  return toJBoolean(found);
}

}  // extern "C"
