// Global statistics, achievement percentages and the current player count:
// three requests that report through the listener adapter, and the readers of
// what Steamworks holds once they have completed.
#include "net_quorlen_steam_SteamUserStats.h"

#include "adapter/adapter_natives.h"
#include "frame.h"
#include "jni/booleans.h"
#include "jni/direct_region.h"
#include "jni/java_string.h"
#include "jni/local_ref.h"
#include "jni/out_array.h"
#include "jni/string_arg.h"
#include "steamworks/isteamuserstats.h"
#include "userstats_callback_handler.h"

using namespace nimbrel;

namespace {

constexpr uint32 kAchievementNameLength = 256;
constexpr int kNoAchievement = -1;

// One step of the most-achieved iteration: the three out-arrays are written
// only when Steamworks names an achievement.
template <class Query>
jint mostAchieved(JNIEnv* env, jobject self, jobjectArray name, jfloatArray percent, jbooleanArray achieved,
                  Query query) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  OutObjectArray outName(env, name);
  OutArray<jfloat> outPercent(env, percent);
  OutArray<jboolean> outAchieved(env, achieved);
  if (rejected(env)) return kNoAchievement;
  // Cleared, so that a name Steamworks leaves short or unterminated never
  // carries stack contents into Java.
  char buffer[kAchievementNameLength] = {};
  float percentage = 0;
  bool isAchieved = false;
  int iterator = query(stats, buffer, &percentage, &isAchieved);
  if (iterator == kNoAchievement) return kNoAchievement;
  outPercent.set(percentage);
  outAchieved.set(isAchieved);
  LocalRef<jstring> text(env, newJavaStringFromField(env, buffer));
  outName.set(text.get());
  return static_cast<jint>(iterator);
}

// Steamworks fills at most cubData bytes, so the region's size in bytes lets
// it use the whole region and nothing past it.
template <class Element>
jint statHistory(JNIEnv* env, jobject self, jstring name, jobject history, jint startIndex, jint endIndex) {
  static_assert(sizeof(Element) == 8, "history elements are 8 bytes");
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg statName(env, name);
  DirectRegion region(env, history, startIndex, endIndex, sizeof(Element));
  if (rejected(env)) return 0;
  return static_cast<jint>(stats->GetGlobalStatHistory(statName, static_cast<Element*>(region.begin()),
                                                       static_cast<uint32>(region.bytes())));
}

}  // namespace

extern "C" {

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUserStats_GetNumberOfCurrentPlayers(JNIEnv* env, jobject self) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  if (rejected(env)) return;
  arm(env, self, &UserStatsCallbackHandler::numberOfCurrentPlayers, stats->GetNumberOfCurrentPlayers());
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUserStats_RequestGlobalAchievementPercentages(JNIEnv* env,
                                                                                                jobject self) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  if (rejected(env)) return;
  arm(env, self, &UserStatsCallbackHandler::globalAchievementPercentagesReady,
      stats->RequestGlobalAchievementPercentages());
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUserStats_GetMostAchievedAchievementInfo(JNIEnv* env,
                                                                                           jobject self,
                                                                                           jobjectArray name,
                                                                                           jfloatArray percent,
                                                                                           jbooleanArray achieved) {
  return mostAchieved(env, self, name, percent, achieved,
                      [](ISteamUserStats* stats, char* buffer, float* percentage, bool* isAchieved) {
                        return stats->GetMostAchievedAchievementInfo(buffer, kAchievementNameLength, percentage,
                                                                     isAchieved);
                      });
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUserStats_GetNextMostAchievedAchievementInfo(
    JNIEnv* env, jobject self, jint previousIterator, jobjectArray name, jfloatArray percent,
    jbooleanArray achieved) {
  return mostAchieved(env, self, name, percent, achieved,
                      [previousIterator](ISteamUserStats* stats, char* buffer, float* percentage, bool* isAchieved) {
                        return stats->GetNextMostAchievedAchievementInfo(previousIterator, buffer,
                                                                         kAchievementNameLength, percentage,
                                                                         isAchieved);
                      });
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_GetAchievementAchievedPercent(JNIEnv* env,
                                                                                              jobject self,
                                                                                              jstring name,
                                                                                              jfloatArray percent) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg achievement(env, name);
  OutArray<jfloat> out(env, percent);
  if (rejected(env)) return JNI_FALSE;
  float percentage = 0;
  bool found = stats->GetAchievementAchievedPercent(achievement, &percentage);
  if (found) out.set(percentage);
  return toJBoolean(found);
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUserStats_RequestGlobalStats(JNIEnv* env, jobject self,
                                                                               jint historyDays) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  if (rejected(env)) return;
  arm(env, self, &UserStatsCallbackHandler::globalStatsReceived, stats->RequestGlobalStats(historyDays));
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_GetGlobalStat__Ljava_lang_String_2_3J(
    JNIEnv* env, jobject self, jstring name, jlongArray value) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg statName(env, name);
  OutArray<jlong> out(env, value);
  if (rejected(env)) return JNI_FALSE;
  int64 data = 0;
  bool found = stats->GetGlobalStat(statName, &data);
  if (found) out.set(data);
  return toJBoolean(found);
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_GetGlobalStat__Ljava_lang_String_2_3D(
    JNIEnv* env, jobject self, jstring name, jdoubleArray value) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg statName(env, name);
  OutArray<jdouble> out(env, value);
  if (rejected(env)) return JNI_FALSE;
  double data = 0;
  bool found = stats->GetGlobalStat(statName, &data);
  if (found) out.set(data);
  return toJBoolean(found);
}

JNIEXPORT jint JNICALL
Java_net_quorlen_steam_SteamUserStats_GetGlobalStatHistory__Ljava_lang_String_2Ljava_nio_LongBuffer_2II(
    JNIEnv* env, jobject self, jstring name, jobject history, jint startIndex, jint endIndex) {
  return statHistory<int64>(env, self, name, history, startIndex, endIndex);
}

JNIEXPORT jint JNICALL
Java_net_quorlen_steam_SteamUserStats_GetGlobalStatHistory__Ljava_lang_String_2Ljava_nio_DoubleBuffer_2II(
    JNIEnv* env, jobject self, jstring name, jobject history, jint startIndex, jint endIndex) {
  return statHistory<double>(env, self, name, history, startIndex, endIndex);
}

}  // extern "C"
