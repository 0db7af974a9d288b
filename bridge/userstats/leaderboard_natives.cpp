// Leaderboards: finding them, reading their attributes, downloading and
// uploading entries and attaching content. The requests report through the
// listener adapter's call-result slots.
#include "net_quorlen_steam_SteamUserStats.h"

#include "adapter/adapter_natives.h"
#include "frame.h"
#include "jni/array_elements.h"
#include "jni/booleans.h"
#include "jni/java_object.h"
#include "jni/java_string.h"
#include "jni/local_ref.h"
#include "jni/native_array.h"
#include "jni/out_array.h"
#include "jni/string_arg.h"
#include "steamworks/isteamuserstats.h"
#include "userstats_callback_handler.h"
#include "jni/steam_id.h"

using namespace nimbrel;

static_assert(sizeof(jlong) == sizeof(CSteamID), "a long[] of Steam IDs is read in place");
static_assert(sizeof(jint) == sizeof(int32), "an int[] of details is read in place");

extern "C" {

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUserStats_FindOrCreateLeaderboard(JNIEnv* env, jobject self,
                                                                                    jstring leaderboardName,
                                                                                    jint sortMethod,
                                                                                    jint displayType) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg boardName(env, leaderboardName);
  if (rejected(env)) return;
  arm(env, self, &UserStatsCallbackHandler::leaderboardFindResult,
      stats->FindOrCreateLeaderboard(boardName, static_cast<ELeaderboardSortMethod>(sortMethod),
                                     static_cast<ELeaderboardDisplayType>(displayType)));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUserStats_FindLeaderboard(JNIEnv* env, jobject self,
                                                                            jstring leaderboardName) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  StringArg boardName(env, leaderboardName);
  if (rejected(env)) return;
  arm(env, self, &UserStatsCallbackHandler::leaderboardFindResult, stats->FindLeaderboard(boardName));
}

JNIEXPORT jstring JNICALL Java_net_quorlen_steam_SteamUserStats_GetLeaderboardName(JNIEnv* env, jobject self,
                                                                                  jlong leaderboard) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  if (rejected(env)) return nullptr;
  return newJavaString(env, stats->GetLeaderboardName(static_cast<SteamLeaderboard_t>(leaderboard)));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUserStats_GetLeaderboardEntryCount(JNIEnv* env, jobject self,
                                                                                     jlong leaderboard) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(stats->GetLeaderboardEntryCount(static_cast<SteamLeaderboard_t>(leaderboard)));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUserStats_GetLeaderboardSortMethod(JNIEnv* env, jobject self,
                                                                                     jlong leaderboard) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(stats->GetLeaderboardSortMethod(static_cast<SteamLeaderboard_t>(leaderboard)));
}

JNIEXPORT jint JNICALL Java_net_quorlen_steam_SteamUserStats_GetLeaderboardDisplayType(JNIEnv* env, jobject self,
                                                                                      jlong leaderboard) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  if (rejected(env)) return 0;
  return static_cast<jint>(stats->GetLeaderboardDisplayType(static_cast<SteamLeaderboard_t>(leaderboard)));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUserStats_DownloadLeaderboardEntries(JNIEnv* env, jobject self,
                                                                                       jlong leaderboard,
                                                                                       jint dataRequest,
                                                                                       jint rangeStart,
                                                                                       jint rangeEnd) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  if (rejected(env)) return;
  arm(env, self, &UserStatsCallbackHandler::leaderboardScoresDownloaded,
      stats->DownloadLeaderboardEntries(static_cast<SteamLeaderboard_t>(leaderboard),
                                        static_cast<ELeaderboardDataRequest>(dataRequest), rangeStart, rangeEnd));
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUserStats_DownloadLeaderboardEntriesForUsers(
    JNIEnv* env, jobject self, jlong leaderboard, jlongArray steamIdUsers, jint userCount) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  SteamAPICall_t call = 0;
  {
    ArrayElements<jlong> users(env, steamIdUsers, userCount);
    if (rejected(env)) return;
    call = stats->DownloadLeaderboardEntriesForUsers(static_cast<SteamLeaderboard_t>(leaderboard),
                                                     reinterpret_cast<CSteamID*>(users.get()), userCount);
  }
  arm(env, self, &UserStatsCallbackHandler::leaderboardScoresDownloaded, call);
}

JNIEXPORT jboolean JNICALL Java_net_quorlen_steam_SteamUserStats_GetDownloadedLeaderboardEntry(
    JNIEnv* env, jobject self, jlong entries, jint index, jobjectArray entry, jintArray details, jint detailsMax) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  OutObjectArray outEntry(env, entry);
  checkArrayCount(env, details, detailsMax);
  // Zeroed, so that details beyond the entry's own count read as 0 in Java.
  NativeArray<int32> buffer(env, detailsMax < 0 ? 0 : static_cast<std::size_t>(detailsMax));
  if (rejected(env)) return JNI_FALSE;
  LeaderboardEntry_t fetched{};
  bool found = stats->GetDownloadedLeaderboardEntry(static_cast<SteamLeaderboardEntries_t>(entries), index, &fetched,
                                                    buffer.get(), detailsMax);
  if (!found) return JNI_FALSE;
  LocalRef<jobject> object(env, newJavaObject(env, "net/quorlen/steam/userstats/LeaderboardEntry", "(JIIIJ)V",
                                              javaId(fetched.m_steamIDUser), static_cast<jint>(fetched.m_nGlobalRank),
                                              static_cast<jint>(fetched.m_nScore),
                                              static_cast<jint>(fetched.m_cDetails),
                                              static_cast<jlong>(fetched.m_hUGC)));
  if (!object) return JNI_FALSE;
  env->SetIntArrayRegion(details, 0, detailsMax, reinterpret_cast<const jint*>(buffer.get()));
  outEntry.set(object.get());
  return JNI_TRUE;
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUserStats_UploadLeaderboardScore(JNIEnv* env, jobject self,
                                                                                   jlong leaderboard,
                                                                                   jint uploadMethod, jint score,
                                                                                   jintArray details,
                                                                                   jint detailCount) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  SteamAPICall_t call = 0;
  {
    ArrayElements<jint> scoreDetails(env, details, detailCount);
    if (rejected(env)) return;
    call = stats->UploadLeaderboardScore(static_cast<SteamLeaderboard_t>(leaderboard),
                                         static_cast<ELeaderboardUploadScoreMethod>(uploadMethod), score,
                                         reinterpret_cast<const int32*>(scoreDetails.get()), detailCount);
  }
  arm(env, self, &UserStatsCallbackHandler::leaderboardScoreUploaded, call);
}

JNIEXPORT void JNICALL Java_net_quorlen_steam_SteamUserStats_AttachLeaderboardUGC(JNIEnv* env, jobject self,
                                                                                 jlong leaderboard, jlong ugc) {
  auto* stats = pointerOf<ISteamUserStats>(env, self);
  if (rejected(env)) return;
  arm(env, self, &UserStatsCallbackHandler::leaderboardUGCSet,
      stats->AttachLeaderboardUGC(static_cast<SteamLeaderboard_t>(leaderboard), static_cast<UGCHandle_t>(ugc)));
}

}  // extern "C"
