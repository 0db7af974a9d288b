package net.quorlen.steam;

import java.util.List;
import java.util.function.Consumer;
import java.util.stream.Stream;
import org.junit.jupiter.api.BeforeEach;

/**
 * A SteamUserStats wrapper on the stand-in's interface, the slots of its
 * listener adapter, and the natives that arm them.
 */
abstract class UserStatsFixture extends NativeTest {
    /** A 64-bit value with the top bit set, as Java sees it. */
    static final long TOP = 0x8000000000000001L;
    static final String TOP_UNSIGNED = "9223372036854775809";
    static final long BOARD = -2L;
    static final String BOARD_UNSIGNED = "18446744073709551614";

    static final String LISTENER = "net/quorlen/steam/NativeUserStatsListener";
    static final String CREATE_SYMBOL = "Java_net_quorlen_steam_SteamUserStats_createNativeCallbackAdapter";

    SteamUserStats stats;

    @BeforeEach
    void wrapTheInterface() {
        stats = new SteamUserStats(SteamAPI.SteamUserStats());
        calls();
    }

    /** Attaches a recording listener to `wrapper`, detached after the test; forgets the registrations. */
    ListenerRecorder<NativeUserStatsListener> listen(SteamUserStats wrapper) {
        ListenerRecorder<NativeUserStatsListener> recorder = ListenerRecorder.of(NativeUserStatsListener.class);
        wrapper.setListener(recorder.listener());
        afterTest(() -> wrapper.setListener(null));
        calls();
        return recorder;
    }

    /** A native that arms a call-result slot, and the Steamworks call it makes. */
    record Arming(String name, int slotNumber, Consumer<SteamUserStats> start, String steamworksCall) {
        @Override
        public String toString() {
            return name;
        }
    }

    /** Every arming native, in the order of the slots it arms. */
    static final List<Arming> ARMING = List.of(
            new Arming("RequestUserStats", 1101, s -> s.RequestUserStats(TOP),
                    "RequestUserStats(" + TOP_UNSIGNED + ")"),
            new Arming("FindLeaderboard", 1104, s -> s.FindLeaderboard("Scores"), "FindLeaderboard(\"Scores\")"),
            new Arming("FindOrCreateLeaderboard", 1104, s -> s.FindOrCreateLeaderboard("Times", 2, 7),
                    "FindOrCreateLeaderboard(\"Times\", 2, 7)"),
            new Arming("DownloadLeaderboardEntries", 1105, s -> s.DownloadLeaderboardEntries(BOARD, 1, -5, 10),
                    "DownloadLeaderboardEntries(" + BOARD_UNSIGNED + ", 1, -5, 10)"),
            new Arming("DownloadLeaderboardEntriesForUsers", 1105,
                    s -> s.DownloadLeaderboardEntriesForUsers(BOARD, new long[] {TOP, 2, 3}, 2),
                    "DownloadLeaderboardEntriesForUsers(" + BOARD_UNSIGNED + ", [" + TOP_UNSIGNED + ", 2], 2)"),
            new Arming("UploadLeaderboardScore", 1106,
                    s -> s.UploadLeaderboardScore(BOARD, 2, -100, new int[] {5, -6, 7}, 3),
                    "UploadLeaderboardScore(" + BOARD_UNSIGNED + ", 2, -100, [5, -6, 7], 3)"),
            new Arming("AttachLeaderboardUGC", 1111, s -> s.AttachLeaderboardUGC(BOARD, TOP),
                    "AttachLeaderboardUGC(" + BOARD_UNSIGNED + ", " + TOP_UNSIGNED + ")"),
            new Arming("GetNumberOfCurrentPlayers", 1107, SteamUserStats::GetNumberOfCurrentPlayers,
                    "GetNumberOfCurrentPlayers()"),
            new Arming("RequestGlobalAchievementPercentages", 1110,
                    SteamUserStats::RequestGlobalAchievementPercentages, "RequestGlobalAchievementPercentages()"),
            new Arming("RequestGlobalStats", 1112, s -> s.RequestGlobalStats(-3), "RequestGlobalStats(-3)"));

    /** One arming native per call-result slot, in the adapter's slot order. */
    static final List<Arming> SLOT_ORDER = List.of(ARMING.get(0), ARMING.get(1), ARMING.get(3), ARMING.get(5),
            ARMING.get(6), ARMING.get(7), ARMING.get(8), ARMING.get(9));

    static Stream<Arming> arming() {
        return ARMING.stream();
    }

    static Stream<Arming> slotOrder() {
        return SLOT_ORDER.stream();
    }

    static Arming armingOf(int slotNumber) {
        return SLOT_ORDER.stream().filter(a -> a.slotNumber() == slotNumber).findFirst().orElseThrow();
    }
}
