package net.quorlen.steam;

import java.nio.DoubleBuffer;
import java.nio.LongBuffer;

import net.quorlen.steam.userstats.LeaderboardEntry;

/** The player's statistics, achievements, leaderboards and global statistics. */
public class SteamUserStats extends SteamInterface {
    public SteamUserStats(long pointer) {
        super(pointer);
    }

    /** Attaches a listener, removing the adapter of an earlier one; null only detaches. */
    public void setListener(NativeUserStatsListener listener) {
        replaceAdapter(this::removeNativeCallbackAdapter, listener == null ? null : () -> createNativeCallbackAdapter(listener));
    }

    // Listener adapter
    public native long createNativeCallbackAdapter(NativeUserStatsListener listener);

    public native void removeNativeCallbackAdapter(long handle);

    // Stats and achievements of the local player; out-arrays written only on true
    public native boolean RequestCurrentStats();

    public native boolean GetStat(String name, int[] value);

    public native boolean GetStat(String name, float[] value);

    public native boolean SetStat(String name, int value);

    public native boolean SetStat(String name, float value);

    public native boolean UpdateAvgRateStat(String name, float countThisSession, double sessionLength);

    public native boolean GetAchievement(String name, boolean[] achieved);

    public native boolean SetAchievement(String name);

    public native boolean ClearAchievement(String name);

    public native boolean GetAchievementAndUnlockTime(String name, boolean[] achieved, int[] unlockTime);

    public native boolean StoreStats();

    public native int GetAchievementIcon(String name);

    public native String GetAchievementDisplayAttribute(String name, String key);

    public native boolean IndicateAchievementProgress(String name, int currentProgress, int maxProgress);

    public native boolean ResetAllStats(boolean achievementsToo);

    // Other users' stats; out-arrays written whatever the result
    public native void RequestUserStats(long steamIdUser);

    public native boolean GetUserStat(long steamIdUser, String name, int[] value);

    public native boolean GetUserStat(long steamIdUser, String name, float[] value);

    public native boolean GetUserAchievement(long steamIdUser, String name, boolean[] achieved);

    public native boolean GetUserAchievementAndUnlockTime(long steamIdUser, String name, boolean[] achieved,
            int[] unlockTime);

    // Leaderboards; the void natives report through the listener
    public native void FindOrCreateLeaderboard(String leaderboardName, int sortMethod, int displayType);

    public native void FindLeaderboard(String leaderboardName);

    public native String GetLeaderboardName(long leaderboard);

    public native int GetLeaderboardEntryCount(long leaderboard);

    public native int GetLeaderboardSortMethod(long leaderboard);

    public native int GetLeaderboardDisplayType(long leaderboard);

    public native void DownloadLeaderboardEntries(long leaderboard, int dataRequest, int rangeStart, int rangeEnd);

    public native void DownloadLeaderboardEntriesForUsers(long leaderboard, long[] steamIdUsers, int userCount);

    public native boolean GetDownloadedLeaderboardEntry(long entries, int index, LeaderboardEntry[] entry,
            int[] details, int detailsMax);

    public native void UploadLeaderboardScore(long leaderboard, int uploadMethod, int score, int[] details,
            int detailCount);

    public native void AttachLeaderboardUGC(long leaderboard, long ugc);

    // Global statistics and player counts
    public native void GetNumberOfCurrentPlayers();

    public native void RequestGlobalAchievementPercentages();

    public native int GetMostAchievedAchievementInfo(String[] name, float[] percent, boolean[] achieved);

    public native int GetNextMostAchievedAchievementInfo(int previousIterator, String[] name, float[] percent,
            boolean[] achieved);

    public native boolean GetAchievementAchievedPercent(String name, float[] percent);

    public native void RequestGlobalStats(int historyDays);

    public native boolean GetGlobalStat(String name, long[] value);

    public native boolean GetGlobalStat(String name, double[] value);

    public native int GetGlobalStatHistory(String name, LongBuffer history, int startIndex, int endIndex);

    public native int GetGlobalStatHistory(String name, DoubleBuffer history, int startIndex, int endIndex);
}
