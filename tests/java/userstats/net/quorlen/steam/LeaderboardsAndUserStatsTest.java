package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertSame;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.util.function.Consumer;
import java.util.stream.Stream;
import net.quorlen.standin.StandIn;
import net.quorlen.steam.userstats.LeaderboardEntry;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.MethodSource;

class LeaderboardsAndUserStatsTest extends UserStatsFixture {
    private static final String USER = TOP_UNSIGNED;

    @Test
    void userGettersWriteTheirArraysWhateverSteamworksAnswers() {
        int[] value = {-1};
        float[] real = {-1};
        boolean[] achieved = {true};
        int[] unlockTime = {-1};
        // Unknown user: Steamworks answers false and writes nothing; Java reads zeros, never a stale value.
        StandIn.set("GetUserStat", false);
        StandIn.set("GetUserAchievement", false);
        StandIn.set("GetUserAchievementAndUnlockTime", false);
        assertFalse(stats.GetUserStat(TOP, "kills", value));
        assertFalse(stats.GetUserStat(TOP, "accuracy", real));
        assertFalse(stats.GetUserAchievement(TOP, "ACH_WIN", achieved));
        assertEquals(0, value[0]);
        assertEquals(0f, real[0]);
        assertFalse(achieved[0]);
        achieved[0] = true;
        assertFalse(stats.GetUserAchievementAndUnlockTime(TOP, "ACH_WIN", achieved, unlockTime));
        assertFalse(achieved[0]);
        assertEquals(0, unlockTime[0]);
        assertCalls("GetUserStat(" + USER + ", \"kills\", &)", "GetUserStat(" + USER + ", \"accuracy\", &)",
                "GetUserAchievement(" + USER + ", \"ACH_WIN\", &)",
                "GetUserAchievementAndUnlockTime(" + USER + ", \"ACH_WIN\", &, &)");
    }

    @Test
    void userGettersPassOnWhatSteamworksReports() {
        StandIn.setReal("GetUserStat.data", 12.5);
        StandIn.set("GetUserAchievement.achieved", true);
        StandIn.set("GetUserAchievementAndUnlockTime.achieved", true);
        StandIn.set("GetUserAchievementAndUnlockTime.unlockTime", 0xFFFFFFF0L);
        int[] value = {-1};
        float[] real = {-1};
        boolean[] achieved = {false};
        boolean[] achievedToo = {false};
        int[] unlockTime = {0};
        assertTrue(stats.GetUserStat(1, "kills", value));
        assertTrue(stats.GetUserStat(1, "accuracy", real));
        assertTrue(stats.GetUserAchievement(1, "ACH_WIN", achieved));
        assertTrue(stats.GetUserAchievementAndUnlockTime(1, "ACH_WIN", achievedToo, unlockTime));
        // The int overload reads the scripted 12.5 as an int32, the float overload as a float.
        assertEquals(12, value[0]);
        assertEquals(12.5f, real[0]);
        assertTrue(achieved[0]);
        assertTrue(achievedToo[0]);
        assertEquals(-16, unlockTime[0]);
    }

    @Test
    void leaderboardAttributesComeBackUnchanged() {
        StandIn.setText("GetLeaderboardName", "Fastest \uD83D\uDE00", null);
        StandIn.set("GetLeaderboardEntryCount", -1);
        StandIn.set("GetLeaderboardSortMethod", 2);
        StandIn.set("GetLeaderboardDisplayType", 0x7FFFFFFF);
        assertEquals("Fastest \uD83D\uDE00", stats.GetLeaderboardName(BOARD));
        assertNull(stats.GetLeaderboardName(BOARD));
        assertEquals(-1, stats.GetLeaderboardEntryCount(BOARD));
        assertEquals(2, stats.GetLeaderboardSortMethod(BOARD));
        assertEquals(0x7FFFFFFF, stats.GetLeaderboardDisplayType(BOARD));
        String board = "(" + BOARD_UNSIGNED + ")";
        assertCalls("GetLeaderboardName" + board, "GetLeaderboardName" + board, "GetLeaderboardEntryCount" + board,
                "GetLeaderboardSortMethod" + board, "GetLeaderboardDisplayType" + board);
    }

    @Test
    void aLeaderboardNameWithAnEmojiReachesSteamworksAsStandardUtf8() {
        stats.FindLeaderboard("Board \uD83D\uDE00");
        assertCalls("FindLeaderboard(\"Board \\xf0\\x9f\\x98\\x80\")");
    }

    @Test
    void uploadingWithoutDetailsPassesTheArrayAndZero() {
        stats.UploadLeaderboardScore(1, 1, 10, new int[0], 0);
        stats.UploadLeaderboardScore(1, 1, 10, new int[] {4, 5}, 0);
        assertCalls("UploadLeaderboardScore(1, 1, 10, [], 0)", "UploadLeaderboardScore(1, 1, 10, [], 0)");
    }

    private void scriptEntry(int detailCount) {
        StandIn.set("GetDownloadedLeaderboardEntry.steamIDUser", TOP);
        StandIn.set("GetDownloadedLeaderboardEntry.globalRank", 3);
        StandIn.set("GetDownloadedLeaderboardEntry.score", -250);
        StandIn.set("GetDownloadedLeaderboardEntry.details", detailCount);
        StandIn.set("GetDownloadedLeaderboardEntry.ugc", BOARD);
        StandIn.set("GetDownloadedLeaderboardEntry.detail", 7, 8, 9);
    }

    @Test
    void aDownloadedEntryBecomesALeaderboardEntryAndItsDetails() {
        scriptEntry(2);
        LeaderboardEntry[] entry = {null};
        int[] details = {-1, -1, -1, -1, -1};
        assertTrue(stats.GetDownloadedLeaderboardEntry(TOP, 4, entry, details, 4));
        assertCalls("GetDownloadedLeaderboardEntry(" + TOP_UNSIGNED + ", 4, &, &, 4)");
        assertEquals(TOP, entry[0].steamIdUser);
        assertEquals(3, entry[0].globalRank);
        assertEquals(-250, entry[0].score);
        assertEquals(2, entry[0].details);
        assertEquals(BOARD, entry[0].ugc);
        // The requested four are written: the entry's two, then the cleared rest.
        assertArrayEquals(new int[] {7, 8, 0, 0, -1}, details);
    }

    @Test
    void askingForNoDetailsStillBuildsTheEntry() {
        scriptEntry(3);
        LeaderboardEntry[] entry = {null};
        int[] details = {-1};
        assertTrue(stats.GetDownloadedLeaderboardEntry(1, 0, entry, details, 0));
        assertEquals(3, entry[0].details);
        assertArrayEquals(new int[] {-1}, details);
    }

    @Test
    void aRejectedIndexWritesNothing() {
        scriptEntry(2);
        StandIn.set("GetDownloadedLeaderboardEntry", false);
        LeaderboardEntry kept = new LeaderboardEntry(1, 1, 1, 1, 1);
        LeaderboardEntry[] entry = {kept};
        int[] details = {-1, -1};
        assertFalse(stats.GetDownloadedLeaderboardEntry(1, 99, entry, details, 2));
        assertSame(kept, entry[0]);
        assertArrayEquals(new int[] {-1, -1}, details);
    }

    /** Input no native can use, and the exception it leaves instead of calling Steamworks. */
    record Invalid(String name, Class<? extends Throwable> thrown, Consumer<SteamUserStats> call) {
        @Override
        public String toString() {
            return name;
        }
    }

    static Stream<Invalid> invalidInput() {
        return Stream.of(
                new Invalid("user list null", NullPointerException.class,
                        s -> s.DownloadLeaderboardEntriesForUsers(1, null, 0)),
                new Invalid("user count beyond the list", ArrayIndexOutOfBoundsException.class,
                        s -> s.DownloadLeaderboardEntriesForUsers(1, new long[2], 3)),
                new Invalid("negative user count", ArrayIndexOutOfBoundsException.class,
                        s -> s.DownloadLeaderboardEntriesForUsers(1, new long[2], -1)),
                new Invalid("detail count beyond the details", ArrayIndexOutOfBoundsException.class,
                        s -> s.UploadLeaderboardScore(1, 1, 1, new int[1], 2)),
                new Invalid("details null", NullPointerException.class,
                        s -> s.UploadLeaderboardScore(1, 1, 1, null, 0)),
                new Invalid("leaderboard name null", NullPointerException.class, s -> s.FindLeaderboard(null)),
                new Invalid("entry array null", NullPointerException.class,
                        s -> s.GetDownloadedLeaderboardEntry(1, 0, null, new int[1], 1)),
                new Invalid("entry array empty", ArrayIndexOutOfBoundsException.class,
                        s -> s.GetDownloadedLeaderboardEntry(1, 0, new LeaderboardEntry[0], new int[1], 1)),
                new Invalid("details max beyond the details", ArrayIndexOutOfBoundsException.class,
                        s -> s.GetDownloadedLeaderboardEntry(1, 0, new LeaderboardEntry[1], new int[1], 2)),
                new Invalid("user getter out-array empty", ArrayIndexOutOfBoundsException.class,
                        s -> s.GetUserAchievementAndUnlockTime(1, "A", new boolean[1], new int[0])),
                new Invalid("user getter name null", NullPointerException.class,
                        s -> s.GetUserStat(1, null, new int[1])));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("invalidInput")
    void invalidInputMakesNoSteamworksCallAndArmsNothing(Invalid invalid) {
        listen(stats);
        assertThrows(invalid.thrown(), () -> invalid.call().accept(stats));
        assertCalls();
    }
}
