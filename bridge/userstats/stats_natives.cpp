// The local player's statistics and achievements. The getters write their
// out-arrays only when Steamworks reports the value.
#include "net_quorlen_steam_SteamUserStats.h"

#include "frame.h"
#include "jni/booleans.h"
#include "jni/java_string.h"
#include "jni/out_array.h"
#include "jni/string_arg.h"
#include "steamworks/isteamuserstats.h"

using namespace nimbrel;

extern "C" {

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_RequestCurrentStats(JNIEnv* env, jobject self) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(stats->RequestCurrentStats());
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_GetStat__Ljava_lang_String_2_3I(JNIEnv* env,
                                                                                                jobject self,
                                                                                                jstring name,
                                                                                                jintArray value) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg statName(env, name);
  OutArray<jint> out(env, value);
  if (rejected(env)) return JNI_FALSE;
  int32 data = 0;
  bool found = stats->GetStat(statName, &data);
  if (found) out.set(data);
  return toJBoolean(found);
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_GetStat__Ljava_lang_String_2_3F(JNIEnv* env,
                                                                                                jobject self,
                                                                                                jstring name,
                                                                                                jfloatArray value) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg statName(env, name);
  OutArray<jfloat> out(env, value);
  if (rejected(env)) return JNI_FALSE;
  float data = 0;
  bool found = stats->GetStat(statName, &data);
  if (found) out.set(data);
  return toJBoolean(found);
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_SetStat__Ljava_lang_String_2I(JNIEnv* env,
                                                                                              jobject self,
                                                                                              jstring name,
                                                                                              jint value) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg statName(env, name);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(stats->SetStat(statName, static_cast<int32>(value)));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_SetStat__Ljava_lang_String_2F(JNIEnv* env,
                                                                                              jobject self,
                                                                                              jstring name,
                                                                                              jfloat value) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg statName(env, name);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(stats->SetStat(statName, static_cast<float>(value)));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_UpdateAvgRateStat(JNIEnv* env, jobject self,
                                                                                  jstring name,
                                                                                  jfloat countThisSession,
                                                                                  jdouble sessionLength) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg statName(env, name);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(stats->UpdateAvgRateStat(statName, countThisSession, sessionLength));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_GetAchievement(JNIEnv* env, jobject self,
                                                                               jstring name,
                                                                               jbooleanArray achieved) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg achievement(env, name);
  OutArray<jboolean> outAchieved(env, achieved);
  if (rejected(env)) return JNI_FALSE;
  bool isAchieved = false;
  bool found = stats->GetAchievement(achievement, &isAchieved);
  if (found) outAchieved.set(isAchieved);
  return toJBoolean(found);
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_SetAchievement(JNIEnv* env, jobject self,
                                                                               jstring name) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg achievement(env, name);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(stats->SetAchievement(achievement));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_ClearAchievement(JNIEnv* env, jobject self,
                                                                                 jstring name) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg achievement(env, name);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(stats->ClearAchievement(achievement));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_GetAchievementAndUnlockTime(JNIEnv* env,
                                                                                            jobject self,
                                                                                            jstring name,
                                                                                            jbooleanArray achieved,
                                                                                            jintArray unlockTime) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg achievement(env, name);
  OutArray<jboolean> outAchieved(env, achieved);
  OutArray<jint> outUnlockTime(env, unlockTime);
  if (rejected(env)) return JNI_FALSE;
  bool isAchieved = false;
  uint32 time = 0;
  bool found = stats->GetAchievementAndUnlockTime(achievement, &isAchieved, &time);
  if (found) {
    outAchieved.set(isAchieved);
    outUnlockTime.set(time);
  }
  return toJBoolean(found);
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_StoreStats(JNIEnv* env, jobject self) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(stats->StoreStats());
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUserStats_GetAchievementIcon(JNIEnv* env, jobject self,
                                                                               jstring name) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg achievement(env, name);
  if (rejected(env)) return 0;
  return static_cast<jint>(stats->GetAchievementIcon(achievement));
}

JNIEXPORT jstring JNICALL Java_net_quorlen_steam_SteamUserStats_GetAchievementDisplayAttribute(JNIEnv* env,
                                                                                              jobject self,
                                                                                              jstring name,
                                                                                              jstring key) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  const char* text = nullptr;
  {
    StringArg achievement(env, name);
    StringArg attribute(env, key);
    if (rejected(env)) return nullptr;
    text = stats->GetAchievementDisplayAttribute(achievement, attribute);
  }
  return newJavaString(env, text);
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_IndicateAchievementProgress(JNIEnv* env,
                                                                                            jobject self,
                                                                                            jstring name,
                                                                                            jint curProgress,
                                                                                            jint maxProgress) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg achievement(env, name);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(stats->IndicateAchievementProgress(achievement, static_cast<uint32>(curProgress),
                                                       static_cast<uint32>(maxProgress)));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_ResetAllStats(JNIEnv* env, jobject self,
                                                                              jboolean achievementsToo) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  if (rejected(env)) return JNI_FALSE;
  return toJBoolean(stats->ResetAllStats(fromJBoolean(achievementsToo)));
}

}  // extern "C"
