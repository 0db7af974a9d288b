// The listener adapter of SteamUserStats: the statistics interface's call
// results and callbacks, each turned into one call of NativeUserStatsListener.
#pragma once

#include <jni.h>

#include "adapter/adapter_record.h"
#include "adapter/slots.h"
#include "steamworks/isteamuserstats.h"

namespace nimbrel {

class UserStatsCallbackHandler final : public AdapterRecord {
 public:
  UserStatsCallbackHandler(JNIEnv* env, jobject listener)
      : AdapterRecord(env, listener, "net/quorlen/steam/NativeUserStatsListener") {}

  // Call results, armed by the natives that start the matching request.
  CCallResult<UserStatsCallbackHandler, UserStatsReceived_t> userStatsReceived{
      this, {"onUserStatsReceived", "(JIJ)V"}, &UserStatsCallbackHandler::onUserStatsReceived};
  CCallResult<UserStatsCallbackHandler, LeaderboardFindResult_t> leaderboardFindResult{
      this, {"onLeaderboardFindResult", "(JZ)V"}, &UserStatsCallbackHandler::onLeaderboardFindResult};
  CCallResult<UserStatsCallbackHandler, LeaderboardScoresDownloaded_t> leaderboardScoresDownloaded{
      this, {"onLeaderboardScoresDownloaded", "(JJI)V"}, &UserStatsCallbackHandler::onLeaderboardScoresDownloaded};
  CCallResult<UserStatsCallbackHandler, LeaderboardScoreUploaded_t> leaderboardScoreUploaded{
      this, {"onLeaderboardScoreUploaded", "(ZJIZII)V"}, &UserStatsCallbackHandler::onLeaderboardScoreUploaded};
  CCallResult<UserStatsCallbackHandler, LeaderboardUGCSet_t> leaderboardUGCSet{
      this, {"onLeaderboardUGCSet", "(IJ)V"}, &UserStatsCallbackHandler::onLeaderboardUGCSet};
  CCallResult<UserStatsCallbackHandler, NumberOfCurrentPlayers_t> numberOfCurrentPlayers{
      this, {"onNumberOfCurrentPlayers", "(ZI)V"}, &UserStatsCallbackHandler::onNumberOfCurrentPlayers};
  CCallResult<UserStatsCallbackHandler, GlobalAchievementPercentagesReady_t> globalAchievementPercentagesReady{
      this, {"onGlobalAchievementPercentagesReady", "(JI)V"},
      &UserStatsCallbackHandler::onGlobalAchievementPercentagesReady};
  CCallResult<UserStatsCallbackHandler, GlobalStatsReceived_t> globalStatsReceived{
      this, {"onGlobalStatsReceived", "(JI)V"}, &UserStatsCallbackHandler::onGlobalStatsReceived};

  // Callbacks, registered while the adapter lives.
  CCallback<UserStatsCallbackHandler, UserStatsStored_t> userStatsStored{
      this, {"onUserStatsStored", "(JI)V"}, &UserStatsCallbackHandler::onUserStatsStored};
  CCallback<UserStatsCallbackHandler, UserAchievementStored_t> userAchievementStored{
      this, {"onUserAchievementStored", "(JZLjava/lang/String;II)V"}, &UserStatsCallbackHandler::onUserAchievementStored};
  CCallback<UserStatsCallbackHandler, UserStatsUnloaded_t> userStatsUnloaded{
      this, {"onUserStatsUnloaded", "(J)V"}, &UserStatsCallbackHandler::onUserStatsUnloaded};
  CCallback<UserStatsCallbackHandler, UserAchievementIconFetched_t> userAchievementIconFetched{
      this, {"onUserAchievementIconFetched", "(JLjava/lang/String;ZI)V"},
      &UserStatsCallbackHandler::onUserAchievementIconFetched};

 private:
  void onUserStatsReceived(const UserStatsReceived_t& e, const ListenerMethod& m);
  void onLeaderboardFindResult(const LeaderboardFindResult_t& e, const ListenerMethod& m);
  void onLeaderboardScoresDownloaded(const LeaderboardScoresDownloaded_t& e, const ListenerMethod& m);
  void onLeaderboardScoreUploaded(const LeaderboardScoreUploaded_t& e, const ListenerMethod& m);
  void onLeaderboardUGCSet(const LeaderboardUGCSet_t& e, const ListenerMethod& m);
  void onNumberOfCurrentPlayers(const NumberOfCurrentPlayers_t& e, const ListenerMethod& m);
  void onGlobalAchievementPercentagesReady(const GlobalAchievementPercentagesReady_t& e, const ListenerMethod& m);
  void onGlobalStatsReceived(const GlobalStatsReceived_t& e, const ListenerMethod& m);
  void onUserStatsStored(const UserStatsStored_t& e, const ListenerMethod& m);
  void onUserAchievementStored(const UserAchievementStored_t& e, const ListenerMethod& m);
  void onUserStatsUnloaded(const UserStatsUnloaded_t& e, const ListenerMethod& m);
  void onUserAchievementIconFetched(const UserAchievementIconFetched_t& e, const ListenerMethod& m);
};

}  // namespace nimbrel
