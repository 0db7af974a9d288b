package net.quorlen.steam;

/** Receives the events of the UserStats listener adapter. */
public interface NativeUserStatsListener {
    // Call results
    void onUserStatsReceived(long gameId, int result, long steamIdUser);

    void onLeaderboardFindResult(long leaderboard, boolean found);

    void onLeaderboardScoresDownloaded(long leaderboard, long entries, int entryCount);

    void onLeaderboardScoreUploaded(boolean success, long leaderboard, int score, boolean scoreChanged,
            int globalRankNew, int globalRankPrevious);

    void onLeaderboardUGCSet(int result, long leaderboard);

    void onNumberOfCurrentPlayers(boolean success, int players);

    void onGlobalAchievementPercentagesReady(long gameId, int result);

    void onGlobalStatsReceived(long gameId, int result);

    // Callbacks
    void onUserStatsStored(long gameId, int result);

    void onUserAchievementStored(long gameId, boolean groupAchievement, String achievementName, int curProgress,
            int maxProgress);

    void onUserStatsUnloaded(long steamIdUser);

    void onUserAchievementIconFetched(long gameId, String achievementName, boolean achieved, int iconHandle);

    /** A call result failed with an I/O error; methodName names the method it was meant for. */
    void ioError(String methodName);
}
