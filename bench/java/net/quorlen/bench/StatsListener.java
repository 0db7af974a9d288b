package net.quorlen.bench;

import net.quorlen.steam.NativeUserStatsListener;

/** A listener that only counts, so that an event costs what the bridge and the VM make it cost. */
final class StatsListener implements NativeUserStatsListener {
    long achievementsStored;
    long leaderboardsFound;
    long others;

    @Override
    public void onUserAchievementStored(long gameId, boolean groupAchievement, String achievementName,
            int curProgress, int maxProgress) {
        achievementsStored++;
    }

    @Override
    public void onLeaderboardFindResult(long leaderboard, boolean found) {
        leaderboardsFound++;
    }

    @Override
    public void onUserStatsReceived(long gameId, int result, long steamIdUser) {
        others++;
    }

    @Override
    public void onLeaderboardScoresDownloaded(long leaderboard, long entries, int entryCount) {
        others++;
    }

    @Override
    public void onLeaderboardScoreUploaded(boolean success, long leaderboard, int score, boolean scoreChanged,
            int globalRankNew, int globalRankPrevious) {
        others++;
    }

    @Override
    public void onLeaderboardUGCSet(int result, long leaderboard) {
        others++;
    }

    @Override
    public void onNumberOfCurrentPlayers(boolean success, int players) {
        others++;
    }

    @Override
    public void onGlobalAchievementPercentagesReady(long gameId, int result) {
        others++;
    }

    @Override
    public void onGlobalStatsReceived(long gameId, int result) {
        others++;
    }

    @Override
    public void onUserStatsStored(long gameId, int result) {
        others++;
    }

    @Override
    public void onUserStatsUnloaded(long steamIdUser) {
        others++;
    }

    @Override
    public void onUserAchievementIconFetched(long gameId, String achievementName, boolean achieved,
            int iconHandle) {
        others++;
    }

    @Override
    public void ioError(String methodName) {
        others++;
    }
}
