package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.io.ByteArrayOutputStream;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.List;
import java.util.function.UnaryOperator;
import java.util.stream.Stream;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.MethodSource;

class UserStatsListenerTest extends UserStatsFixture {
    private static final String TOP_SIGNED = Long.toString(TOP);

    /** One event structure, filled by field name, and the call the listener must receive. */
    record Delivery(int number, UnaryOperator<StandIn.Event> fields, String expected) {
        @Override
        public String toString() {
            return expected;
        }
    }

    static Stream<Delivery> callResults() {
        return Stream.of(
                new Delivery(1101, e -> e.set("m_nGameID", TOP).set("m_eResult", -2).set("m_steamIDUser", TOP + 2),
                        "onUserStatsReceived(" + TOP_SIGNED + ", -2, " + (TOP + 2) + ")"),
                new Delivery(1104, e -> e.set("m_hSteamLeaderboard", TOP).set("m_bLeaderboardFound", 2),
                        "onLeaderboardFindResult(" + TOP_SIGNED + ", true)"),
                new Delivery(1104, e -> e.set("m_hSteamLeaderboard", 0).set("m_bLeaderboardFound", 0),
                        "onLeaderboardFindResult(0, false)"),
                new Delivery(1105, e -> e.set("m_hSteamLeaderboard", TOP).set("m_hSteamLeaderboardEntries", TOP + 1)
                        .set("m_cEntryCount", 25),
                        "onLeaderboardScoresDownloaded(" + TOP_SIGNED + ", " + (TOP + 1) + ", 25)"),
                new Delivery(1106, e -> e.set("m_bSuccess", 0x80).set("m_hSteamLeaderboard", TOP).set("m_nScore", -7)
                        .set("m_bScoreChanged", 3).set("m_nGlobalRankNew", 1).set("m_nGlobalRankPrevious", 0x80000000L),
                        "onLeaderboardScoreUploaded(true, " + TOP_SIGNED + ", -7, true, 1, -2147483648)"),
                new Delivery(1111, e -> e.set("m_eResult", 8).set("m_hSteamLeaderboard", TOP),
                        "onLeaderboardUGCSet(8, " + TOP_SIGNED + ")"),
                new Delivery(1107, e -> e.set("m_bSuccess", 0xFF).set("m_cPlayers", 123456),
                        "onNumberOfCurrentPlayers(true, 123456)"),
                new Delivery(1107, e -> e.set("m_bSuccess", 0).set("m_cPlayers", 0),
                        "onNumberOfCurrentPlayers(false, 0)"),
                new Delivery(1110, e -> e.set("m_nGameID", TOP).set("m_eResult", 1),
                        "onGlobalAchievementPercentagesReady(" + TOP_SIGNED + ", 1)"),
                new Delivery(1112, e -> e.set("m_nGameID", TOP).set("m_eResult", 2),
                        "onGlobalStatsReceived(" + TOP_SIGNED + ", 2)"));
    }

    static Stream<Delivery> callbacks() {
        return Stream.of(
                new Delivery(1102, e -> e.set("m_nGameID", TOP).set("m_eResult", 1),
                        "onUserStatsStored(" + TOP_SIGNED + ", 1)"),
                new Delivery(1103, e -> e.set("m_nGameID", TOP).set("m_bGroupAchievement", 2)
                        .setText("m_rgchAchievementName", "ACH_\uD83D\uDE00").set("m_nCurProgress", 0xFFFFFFFFL)
                        .set("m_nMaxProgress", 10),
                        "onUserAchievementStored(" + TOP_SIGNED + ", true, \"ACH_\uD83D\uDE00\", -1, 10)"),
                new Delivery(1103, e -> e.set("m_nGameID", 5).set("m_bGroupAchievement", 0)
                        .setText("m_rgchAchievementName", "").set("m_nCurProgress", 3).set("m_nMaxProgress", 4),
                        "onUserAchievementStored(5, false, \"\", 3, 4)"),
                new Delivery(1108, e -> e.set("m_steamIDUser", TOP), "onUserStatsUnloaded(" + TOP_SIGNED + ")"),
                new Delivery(1109, e -> e.set("m_nGameID", TOP).setText("m_rgchAchievementName", "ICON_ACH")
                        .set("m_bAchieved", 7).set("m_nIconHandle", -5),
                        "onUserAchievementIconFetched(" + TOP_SIGNED + ", \"ICON_ACH\", true, -5)"));
    }

    @Test
    void creationRegistersTheCallbacksAndRemovalUndoesEverythingInReverse() {
        SteamUserStats wrapper = stats;
        wrapper.setListener(ListenerRecorder.of(NativeUserStatsListener.class).listener());
        assertCalls("RegisterCallback(1102)", "RegisterCallback(1103)", "RegisterCallback(1108)",
                "RegisterCallback(1109)");
        List<Long> handles = new ArrayList<>();
        for (Arming arming : SLOT_ORDER) {
            arming.start().accept(wrapper);
            handles.add(StandIn.lastCall());
        }
        calls();
        wrapper.setListener(null);
        List<String> expected = new ArrayList<>(List.of("UnregisterCallback(1109)", "UnregisterCallback(1108)",
                "UnregisterCallback(1103)", "UnregisterCallback(1102)"));
        for (int i = SLOT_ORDER.size() - 1; i >= 0; i--) {
            expected.add("UnregisterCallResult(" + SLOT_ORDER.get(i).slotNumber() + ", " + handles.get(i) + ")");
        }
        assertEquals(expected, calls());
    }

    @Test
    void nothingReachesARemovedAdapter() {
        ListenerRecorder<NativeUserStatsListener> recorder = ListenerRecorder.of(NativeUserStatsListener.class);
        stats.setListener(recorder.listener());
        stats.FindLeaderboard("Scores");
        long search = StandIn.lastCall();
        stats.setListener(null);
        StandIn.event(1104).set("m_hSteamLeaderboard", 9).set("m_bLeaderboardFound", 1).complete(search);
        StandIn.event(1102).set("m_nGameID", 1).post();
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(), recorder.take());
    }

    @Test
    void removingHandleZeroDoesNothing() {
        stats.removeNativeCallbackAdapter(0);
        assertCalls();
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("callResults")
    void eachCallResultReachesItsMethodWithItsFieldsConverted(Delivery delivery) {
        ListenerRecorder<NativeUserStatsListener> recorder = listen(stats);
        armingOf(delivery.number()).start().accept(stats);
        delivery.fields().apply(StandIn.event(delivery.number())).complete(StandIn.lastCall());
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(delivery.expected()), recorder.take());
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("callbacks")
    void eachCallbackReachesItsMethodWithItsFieldsConverted(Delivery delivery) {
        ListenerRecorder<NativeUserStatsListener> recorder = listen(stats);
        delivery.fields().apply(StandIn.event(delivery.number())).post();
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(delivery.expected()), recorder.take());
    }

    @Test
    void aNameThatFillsItsWholeFieldIsReadUpToTheFieldsEnd() {
        ListenerRecorder<NativeUserStatsListener> recorder = listen(stats);
        String full = "N".repeat(128);
        StandIn.event(1109).set("m_nGameID", 1).setText("m_rgchAchievementName", full).set("m_bAchieved", 1)
                .set("m_nIconHandle", 2).post();
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of("onUserAchievementIconFetched(1, \"" + full + "\", true, 2)"), recorder.take());
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("net.quorlen.steam.UserStatsFixture#slotOrder")
    void anIoFailureTellsIoErrorWhichMethodTheResultWasFor(Arming arming) {
        ListenerRecorder<NativeUserStatsListener> recorder = listen(stats);
        arming.start().accept(stats);
        StandIn.event(arming.slotNumber()).fail(StandIn.lastCall());
        SteamAPI.SteamAPI_RunCallbacks();
        String method = callResults().filter(d -> d.number() == arming.slotNumber()).findFirst().orElseThrow()
                .expected().replaceAll("\\(.*", "");
        assertEquals(List.of("ioError(\"" + method + "\")"), recorder.take());
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("net.quorlen.steam.UserStatsFixture#arming")
    void eachArmingNativeArmsItsSlotWithTheCallsHandle(Arming arming) {
        listen(stats);
        arming.start().accept(stats);
        assertCalls(arming.steamworksCall(),
                "RegisterCallResult(" + arming.slotNumber() + ", " + StandIn.lastCall() + ")");
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("net.quorlen.steam.UserStatsFixture#arming")
    void withoutAnAdapterTheCallIsMadeAndNothingArmed(Arming arming) {
        stats.setNativeAdapter(0);
        arming.start().accept(stats);
        assertCalls(arming.steamworksCall());
    }

    @Test
    void aSecondRequestOfTheSameSlotReplacesTheFirst() {
        ListenerRecorder<NativeUserStatsListener> recorder = listen(stats);
        // Both kinds of slot that two natives share, each armed by one and then the other.
        stats.FindLeaderboard("A");
        long first = StandIn.lastCall();
        stats.FindOrCreateLeaderboard("B", 1, 1);
        long second = StandIn.lastCall();
        assertCalls("FindLeaderboard(\"A\")", "RegisterCallResult(1104, " + first + ")",
                "FindOrCreateLeaderboard(\"B\", 1, 1)", "UnregisterCallResult(1104, " + first + ")",
                "RegisterCallResult(1104, " + second + ")");
        stats.DownloadLeaderboardEntries(1, 0, 1, 10);
        long download = StandIn.lastCall();
        stats.DownloadLeaderboardEntriesForUsers(1, new long[] {4}, 1);
        long forUsers = StandIn.lastCall();
        StandIn.event(1104).set("m_hSteamLeaderboard", 10).set("m_bLeaderboardFound", 1).complete(first);
        StandIn.event(1104).set("m_hSteamLeaderboard", 20).set("m_bLeaderboardFound", 1).complete(second);
        StandIn.event(1105).set("m_hSteamLeaderboard", 1).set("m_cEntryCount", 5).complete(download);
        StandIn.event(1105).set("m_hSteamLeaderboard", 1).set("m_cEntryCount", 1).complete(forUsers);
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of("onLeaderboardFindResult(20, true)", "onLeaderboardScoresDownloaded(1, 0, 1)"),
                recorder.take());
    }

    @Test
    void aRequestThatDidNotStartArmsNothingAndDropsTheEarlierOne() {
        ListenerRecorder<NativeUserStatsListener> recorder = listen(stats);
        StandIn.set("FindLeaderboard", 0x5000, 0);
        stats.FindLeaderboard("A");
        stats.FindLeaderboard("B");
        assertCalls("FindLeaderboard(\"A\")", "RegisterCallResult(1104, 20480)", "FindLeaderboard(\"B\")",
                "UnregisterCallResult(1104, 20480)");
        StandIn.event(1104).set("m_hSteamLeaderboard", 10).set("m_bLeaderboardFound", 1).complete(0x5000);
        StandIn.event(1104).set("m_hSteamLeaderboard", 11).set("m_bLeaderboardFound", 1).complete(0);
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(), recorder.take());
    }

    @Test
    void aListenerMayStartTheNextRequestOfTheSameKindWhileItsResultIsDelivered() {
        ListenerRecorder<NativeUserStatsListener> recorder = ListenerRecorder.of(NativeUserStatsListener.class);
        int[] deliveries = {0};
        recorder.onEvent(() -> {
            if (deliveries[0]++ == 0) {
                stats.GetNumberOfCurrentPlayers();
            }
        });
        stats.setListener(recorder.listener());
        afterTest(() -> stats.setListener(null));
        stats.GetNumberOfCurrentPlayers();
        long first = StandIn.lastCall();
        calls();
        StandIn.event(1107).set("m_bSuccess", 1).set("m_cPlayers", 10).complete(first);
        SteamAPI.SteamAPI_RunCallbacks();
        long second = StandIn.lastCall();
        // The slot was idle while delivering: the new request is registered, the delivered one not unregistered.
        assertCalls("GetNumberOfCurrentPlayers()", "RegisterCallResult(1107, " + second + ")");
        StandIn.event(1107).set("m_bSuccess", 1).set("m_cPlayers", 11).complete(second);
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of("onNumberOfCurrentPlayers(true, 10)", "onNumberOfCurrentPlayers(true, 11)"),
                recorder.take());
    }

    @Test
    void everyAdapterHearsTheCallbacksButACallResultOnlyTheRequestersOwn() {
        SteamUserStats other = new SteamUserStats(SteamAPI.SteamUserStats());
        ListenerRecorder<NativeUserStatsListener> first = listen(stats);
        ListenerRecorder<NativeUserStatsListener> second = listen(other);
        StandIn.event(1102).set("m_nGameID", 7).set("m_eResult", 1).post();
        other.RequestGlobalStats(1);
        StandIn.event(1112).set("m_nGameID", 7).set("m_eResult", 1).complete(StandIn.lastCall());
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of("onUserStatsStored(7, 1)"), first.take());
        assertEquals(List.of("onUserStatsStored(7, 1)", "onGlobalStatsReceived(7, 1)"), second.take());
    }

    /** A listener of an older build of the game: it lacks onUserStatsStored. */
    public static final class PartialListener {
        final List<String> heard = new ArrayList<>();

        public void onUserStatsUnloaded(long steamIdUser) {
            heard.add("onUserStatsUnloaded(" + steamIdUser + ")");
        }
    }

    @Test
    void aMissingMethodIsReportedOncePerEventAndTheOthersStillWork() {
        PartialListener listener = new PartialListener();
        long adapter = StandIn.createAdapterWithAnyListener(CREATE_SYMBOL, listener);
        afterTest(() -> stats.removeNativeCallbackAdapter(adapter));
        StandIn.event(1102).set("m_nGameID", 1).post();
        StandIn.event(1108).set("m_steamIDUser", 42).post();
        StandIn.event(1102).set("m_nGameID", 2).post();
        StandIn.beginStdoutCapture();
        String printed;
        try {
            // Returns normally: the failed lookups leave nothing pending for the caller.
            SteamAPI.SteamAPI_RunCallbacks();
        } finally {
            printed = StandIn.endStdoutCapture();
        }
        String message = "Can't find the method onUserStatsStored(JI)V of object " + LISTENER + "!\n";
        assertEquals(message + message, printed);
        assertEquals(List.of("onUserStatsUnloaded(42)"), listener.heard);
    }

    @Test
    void anExceptionFromTheListenerIsDescribedAndClearedAndLaterEventsArrive() {
        ListenerRecorder<NativeUserStatsListener> recorder = listen(stats).throwFrom("onUserStatsStored");
        StandIn.event(1102).set("m_nGameID", 1).post();
        StandIn.event(1102).set("m_nGameID", 2).post();
        StandIn.event(1108).set("m_steamIDUser", 3).post();
        PrintStream standardError = System.err;
        ByteArrayOutputStream described = new ByteArrayOutputStream();
        System.setErr(new PrintStream(described, true, StandardCharsets.UTF_8));
        try {
            SteamAPI.SteamAPI_RunCallbacks();
        } finally {
            System.setErr(standardError);
        }
        assertEquals(List.of("onUserStatsStored(1, 0)", "onUserStatsStored(2, 0)", "onUserStatsUnloaded(3)"),
                recorder.take());
        String text = described.toString(StandardCharsets.UTF_8);
        assertEquals(2, text.split("listener failed on purpose", -1).length - 1, text);
    }

    @Test
    void tenThousandEventsInOnePumpDoNotGrowTheLocalReferences() {
        ListenerRecorder<NativeUserStatsListener> recorder = listen(stats);
        for (int i = 0; i < 10_000; i++) {
            StandIn.event(1103).set("m_nGameID", i).setText("m_rgchAchievementName", "ACH").post();
        }
        SteamAPI.SteamAPI_RunCallbacks();
        List<String> heard = recorder.take();
        assertEquals(10_000, heard.size());
        assertEquals("onUserAchievementStored(9999, false, \"ACH\", 0, 0)", heard.get(9_999));
        assertTrue(heard.stream().allMatch(e -> e.contains("\"ACH\"")));
    }
}
