#include "userstats_callback_handler.h"

#include "jni/booleans.h"
#include "jni/java_string.h"
#include "jni/steam_id.h"

namespace nimbrel {

void UserStatsCallbackHandler::onUserStatsReceived(const UserStatsReceived_t& e, const ListenerMethod& m) {
  call(m, static_cast<jlong>(e.m_nGameID), static_cast<jint>(e.m_eResult), javaId(e.m_steamIDUser));
}

void UserStatsCallbackHandler::onLeaderboardFindResult(const LeaderboardFindResult_t& e, const ListenerMethod& m) {
  call(m, static_cast<jlong>(e.m_hSteamLeaderboard), flagToJBoolean(e.m_bLeaderboardFound));
}

void UserStatsCallbackHandler::onLeaderboardScoresDownloaded(const LeaderboardScoresDownloaded_t& e,
                                                             const ListenerMethod& m) {
  call(m, static_cast<jlong>(e.m_hSteamLeaderboard), static_cast<jlong>(e.m_hSteamLeaderboardEntries),
       static_cast<jint>(e.m_cEntryCount));
}

void UserStatsCallbackHandler::onLeaderboardScoreUploaded(const LeaderboardScoreUploaded_t& e,
                                                          const ListenerMethod& m) {
  call(m, flagToJBoolean(e.m_bSuccess), static_cast<jlong>(e.m_hSteamLeaderboard), static_cast<jint>(e.m_nScore),
       flagToJBoolean(e.m_bScoreChanged), static_cast<jint>(e.m_nGlobalRankNew),
       static_cast<jint>(e.m_nGlobalRankPrevious));
}

void UserStatsCallbackHandler::onLeaderboardUGCSet(const LeaderboardUGCSet_t& e, const ListenerMethod& m) {
  call(m, static_cast<jint>(e.m_eResult), static_cast<jlong>(e.m_hSteamLeaderboard));
}

void UserStatsCallbackHandler::onNumberOfCurrentPlayers(const NumberOfCurrentPlayers_t& e, const ListenerMethod& m) {
  call(m, flagToJBoolean(e.m_bSuccess), static_cast<jint>(e.m_cPlayers));
}

void UserStatsCallbackHandler::onGlobalAchievementPercentagesReady(const GlobalAchievementPercentagesReady_t& e,
                                                                   const ListenerMethod& m) {
  call(m, static_cast<jlong>(e.m_nGameID), static_cast<jint>(e.m_eResult));
}

void UserStatsCallbackHandler::onGlobalStatsReceived(const GlobalStatsReceived_t& e, const ListenerMethod& m) {
  call(m, static_cast<jlong>(e.m_nGameID), static_cast<jint>(e.m_eResult));
}

void UserStatsCallbackHandler::onUserStatsStored(const UserStatsStored_t& e, const ListenerMethod& m) {
  call(m, static_cast<jlong>(e.m_nGameID), static_cast<jint>(e.m_eResult));
}

void UserStatsCallbackHandler::onUserAchievementStored(const UserAchievementStored_t& e, const ListenerMethod& m) {
  call(m, static_cast<jlong>(e.m_nGameID), flagToJBoolean(e.m_bGroupAchievement),
       newJavaStringFromField(env(), e.m_rgchAchievementName), static_cast<jint>(e.m_nCurProgress),
       static_cast<jint>(e.m_nMaxProgress));
}

void UserStatsCallbackHandler::onUserStatsUnloaded(const UserStatsUnloaded_t& e, const ListenerMethod& m) {
  call(m, javaId(e.m_steamIDUser));
}

void UserStatsCallbackHandler::onUserAchievementIconFetched(const UserAchievementIconFetched_t& e,
                                                            const ListenerMethod& m) {
  call(m, static_cast<jlong>(e.m_nGameID), newJavaStringFromField(env(), e.m_rgchAchievementName),
       flagToJBoolean(e.m_bAchieved), static_cast<jint>(e.m_nIconHandle));
}

}  // namespace nimbrel
