package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.function.Consumer;
import java.util.stream.Collectors;
import java.util.stream.LongStream;
import java.util.stream.Stream;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.MethodSource;

class FriendsListenerTest extends FriendsFixture {
    static final List<Integer> CALLBACKS = List.of(304, 331, 332, 333, 334, 336, 337, 338, 339, 340, 343);

    /** A call-result slot: the native that arms it, its structure, a completion and what the listener gets. */
    record Slot(String method, int number, Consumer<SteamFriends> request, Consumer<StandIn.Event> fill,
            String delivered) {
        @Override
        public String toString() {
            return method;
        }

        String listenerMethod() {
            return delivered.substring(0, delivered.indexOf('('));
        }

        void complete(long handle) {
            StandIn.Event event = StandIn.event(number);
            fill.accept(event);
            event.complete(handle);
        }
    }

    /** The six call-result slots in member order. */
    static List<Slot> slots() {
        return List.of(
                new Slot("DownloadClanActivityCounts", 341, f -> f.DownloadClanActivityCounts(new long[] {CLAN}),
                        e -> e.set("m_bSuccess", 0x80), "onDownloadClanActivityCountsResult(true)"),
                new Slot("RequestClanOfficerList", 335, f -> f.RequestClanOfficerList(CLAN),
                        e -> e.set("m_steamIDClan", CLAN).set("m_cOfficers", 0x8000_0003L).set("m_bSuccess", 2),
                        "onClanOfficerListResponse(" + CLAN + ", -2147483645, true)"),
                new Slot("JoinClanChatRoom", 342, f -> f.JoinClanChatRoom(CLAN),
                        e -> e.set("m_steamIDClanChat", CHAT).set("m_eChatRoomEnterResponse", 0x8000_0005L),
                        "onJoinClanChatRoomCompletionResult(" + CHAT + ", -2147483643)"),
                new Slot("GetFollowerCount", 344, f -> f.GetFollowerCount(USER),
                        e -> e.set("m_eResult", 1).set("m_steamID", USER).set("m_nCount", 0x8000_0000L),
                        "onFriendsGetFollowerCount(1, " + USER + ", -2147483648)"),
                new Slot("IsFollowing", 345, f -> f.IsFollowing(USER),
                        e -> e.set("m_eResult", 2).set("m_steamID", USER).set("m_bIsFollowing", 0xFF),
                        "onFriendsIsFollowing(2, " + USER + ", true)"),
                new Slot("EnumerateFollowingList", 346, f -> f.EnumerateFollowingList(50),
                        e -> e.set("m_eResult", 1).setIds("m_rgSteamID", USER, CLAN).set("m_nResultsReturned", 2)
                                .set("m_nTotalResultCount", 0x8000_0000L),
                        "onFriendsEnumerateFollowingList(1, [" + USER + ", " + CLAN + "], -2147483648)"));
    }

    /** Only the registration lines of the log. */
    static List<String> registrations() {
        return calls().stream().filter(line -> line.startsWith("Register") || line.startsWith("Unregister")).collect(Collectors.toList());
    }

    @Test
    void callbacksRegisterInMemberOrderAndEverythingGoesInReverse() {
        ListenerRecorder<NativeFriendsListener> recorder = ListenerRecorder.of(NativeFriendsListener.class);
        long handle = friends.createNativeCallbackAdapter(recorder.listener());
        assertNotEquals(0, handle);
        assertEquals(CALLBACKS.stream().map(n -> "RegisterCallback(" + n + ")").toList(), calls());
        friends.setNativeAdapter(handle);

        List<Slot> slots = slots();
        for (int i = 0; i < slots.size(); i++) {
            StandIn.set(slots.get(i).method(), 0x100 + i);
            slots.get(i).request().accept(friends);
        }
        calls();
        friends.setNativeAdapter(0);
        friends.removeNativeCallbackAdapter(handle);

        List<String> teardown = new ArrayList<>();
        for (int i = CALLBACKS.size() - 1; i >= 0; i--) {
            teardown.add("UnregisterCallback(" + CALLBACKS.get(i) + ")");
        }
        for (int i = slots.size() - 1; i >= 0; i--) {
            teardown.add("UnregisterCallResult(" + slots.get(i).number() + ", " + (0x100 + i) + ")");
        }
        assertCalls(teardown.toArray(String[]::new));

        // Nothing reaches a removed adapter, not even the results it was waiting for.
        for (int i = 0; i < slots.size(); i++) {
            slots.get(i).complete(0x100 + i);
        }
        StandIn.event(331).set("m_bActive", 1).post();
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(), recorder.take());
    }

    @Test
    void removingTheZeroHandleDoesNothing() {
        friends.removeNativeCallbackAdapter(0);
        assertCalls();
    }

    @ParameterizedTest
    @MethodSource("slots")
    void onlyTheLatestRequestOfAKindIsDelivered(Slot slot) {
        ListenerRecorder<NativeFriendsListener> recorder = listen();
        StandIn.set(slot.method(), 0x501, 0x502);
        slot.request().accept(friends);
        slot.request().accept(friends);
        int n = slot.number();
        assertEquals(List.of("RegisterCallResult(" + n + ", 1281)", "UnregisterCallResult(" + n + ", 1281)",
                "RegisterCallResult(" + n + ", 1282)"), registrations());
        slot.complete(0x501);
        slot.complete(0x502);
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(slot.delivered()), recorder.take());
    }

    @ParameterizedTest
    @MethodSource("slots")
    void aRequestThatDoesNotStartDropsThePendingOneAndArmsNothing(Slot slot) {
        ListenerRecorder<NativeFriendsListener> recorder = listen();
        StandIn.set(slot.method(), 0x601, 0);
        slot.request().accept(friends);
        slot.request().accept(friends);
        int n = slot.number();
        assertEquals(List.of("RegisterCallResult(" + n + ", 1537)", "UnregisterCallResult(" + n + ", 1537)"),
                registrations());
        slot.complete(0x601);
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(), recorder.take());
    }

    @ParameterizedTest
    @MethodSource("slots")
    void anIoFailureNamesTheMethodTheResultWasFor(Slot slot) {
        ListenerRecorder<NativeFriendsListener> recorder = listen();
        slot.request().accept(friends);
        StandIn.event(slot.number()).fail(StandIn.lastCall());
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of("ioError(\"" + slot.listenerMethod() + "\")"), recorder.take());
    }

    @Test
    void aRequestWithoutAnAdapterStandsButArmsNothing() {
        friends.IsFollowing(USER);
        assertCalls("IsFollowing(" + id(USER) + ")");
    }

    @Test
    void theListenerMayAskAgainWhileItsResultIsDelivered() {
        ListenerRecorder<NativeFriendsListener> recorder = listen();
        boolean[] askedAgain = {false};
        recorder.onEvent(() -> {
            if (!askedAgain[0]) {
                askedAgain[0] = true;
                friends.IsFollowing(CLAN);
            }
        });
        StandIn.set("IsFollowing", 0x701, 0x702);
        friends.IsFollowing(USER);
        calls();
        StandIn.event(345).set("m_steamID", USER).complete(0x701);
        SteamAPI.SteamAPI_RunCallbacks();
        // The slot is idle while its result is delivered: the new request is registered, nothing unregistered.
        assertEquals(List.of("RegisterCallResult(345, 1794)"), registrations());
        assertEquals(List.of("onFriendsIsFollowing(0, " + USER + ", false)"), recorder.take());
    }

    static Stream<Object[]> callbacks() {
        String a64 = "a".repeat(64);
        String b64 = "b".repeat(64);
        String c256 = "c".repeat(256);
        return Stream.of(
                callback(304, e -> e.set("m_ulSteamID", USER).set("m_nChangeFlags", 0x8000_0001L),
                        "onPersonaStateChange(" + USER + ", -2147483647)"),
                callback(331, e -> e.set("m_bActive", 0x80), "onOverlayActivated(true)"),
                callback(331, e -> e.set("m_bActive", 0), "onOverlayActivated(false)"),
                callback(332, e -> e.setText("m_rgchServer", "10.0.0.1:27015").setText("m_rgchPassword", "p\u00e4ss\uD83D\uDE00"),
                        "onGameServerChangeRequested(\"10.0.0.1:27015\", \"p\u00e4ss\uD83D\uDE00\")"),
                // Fields filled to the last byte: each string ends with its field, the next field is not read on.
                callback(332, e -> e.setText("m_rgchServer", a64).setText("m_rgchPassword", b64),
                        "onGameServerChangeRequested(\"" + a64 + "\", \"" + b64 + "\")"),
                callback(333, e -> e.set("m_steamIDLobby", CHAT).set("m_steamIDFriend", USER),
                        "onGameLobbyJoinRequested(" + CHAT + ", " + USER + ")"),
                callback(334, e -> e.set("m_steamID", USER).set("m_iImage", 0x8000_0007L).set("m_iWide", 184)
                        .set("m_iTall", 64), "onAvatarImageLoaded(" + USER + ", -2147483641, 184, 64)"),
                callback(336, e -> e.set("m_steamIDFriend", USER).set("m_nAppID", 0x8000_0000L),
                        "onFriendRichPresenceUpdate(" + USER + ", -2147483648)"),
                callback(337, e -> e.set("m_steamIDFriend", USER).setText("m_rgchConnect", "+connect \uD83D\uDE00"),
                        "onGameRichPresenceJoinRequested(" + USER + ", \"+connect \uD83D\uDE00\")"),
                callback(337, e -> e.set("m_steamIDFriend", USER).setText("m_rgchConnect", c256),
                        "onGameRichPresenceJoinRequested(" + USER + ", \"" + c256 + "\")"),
                callback(338, e -> e.set("m_steamIDClanChat", CHAT).set("m_steamIDUser", USER)
                        .set("m_iMessageID", 0x8000_0002L),
                        "onGameConnectedClanChatMsg(" + CHAT + ", " + USER + ", -2147483646)"),
                callback(339, e -> e.set("m_steamIDClanChat", CHAT).set("m_steamIDUser", USER),
                        "onGameConnectedChatJoin(" + CHAT + ", " + USER + ")"),
                callback(340, e -> e.set("m_steamIDClanChat", CHAT).set("m_steamIDUser", USER).set("m_bKicked", 0x40),
                        "onGameConnectedChatLeave(" + CHAT + ", " + USER + ", true, false)"),
                callback(340, e -> e.set("m_steamIDClanChat", CHAT).set("m_steamIDUser", USER).set("m_bDropped", 0xFF),
                        "onGameConnectedChatLeave(" + CHAT + ", " + USER + ", false, true)"),
                callback(343, e -> e.set("m_steamIDUser", USER).set("m_iMessageID", 7),
                        "onGameConnectedFriendChatMsg(" + USER + ", 7)"));
    }

    static Object[] callback(int number, Consumer<StandIn.Event> fill, String delivered) {
        return new Object[] {number, fill, delivered};
    }

    @ParameterizedTest(name = "{0}: {2}")
    @MethodSource("callbacks")
    void eachCallbackReachesItsListenerMethodWithItsFields(int number, Consumer<StandIn.Event> fill,
            String delivered) {
        ListenerRecorder<NativeFriendsListener> recorder = listen();
        StandIn.Event event = StandIn.event(number);
        fill.accept(event);
        event.post();
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(delivered), recorder.take());
    }

    static long[] followed(int count) {
        return LongStream.range(0, count).map(i -> 0x8000_0000_0000_1000L + i).toArray();
    }

    static Stream<Object[]> followLists() {
        return Stream.of(
                new Object[] {0, 0, followed(0)},
                new Object[] {50, 120, followed(50)},
                new Object[] {51, 120, followed(50)},
                new Object[] {Integer.MAX_VALUE, 999, followed(50)},
                new Object[] {-1, 3, followed(0)});
    }

    @ParameterizedTest(name = "{0} returned of {1}")
    @MethodSource("followLists")
    void theFollowListHoldsTheReturnedIdsInOrderAndNeverMoreThanTheRecordHas(int returned, int total,
            long[] expected) {
        ListenerRecorder<NativeFriendsListener> recorder = listen();
        friends.EnumerateFollowingList(0);
        StandIn.event(346).set("m_eResult", 1).setIds("m_rgSteamID", followed(50))
                .set("m_nResultsReturned", returned).set("m_nTotalResultCount", total).complete(StandIn.lastCall());
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of("onFriendsEnumerateFollowingList(1, " + Arrays.toString(expected) + ", " + total + ")"),
                recorder.take());
    }

    @Test
    void manyEventsInOnePumpEachGetTheirOwnReferences() {
        ListenerRecorder<NativeFriendsListener> recorder = listen();
        for (int i = 0; i < 40; i++) {
            StandIn.event(332).setText("m_rgchServer", "server" + i).setText("m_rgchPassword", "pw" + i).post();
            StandIn.event(337).set("m_steamIDFriend", i).setText("m_rgchConnect", "+connect " + i).post();
        }
        for (int i = 0; i < 40; i++) {
            friends.EnumerateFollowingList(i);
            StandIn.event(346).setIds("m_rgSteamID", i).set("m_nResultsReturned", 1).set("m_nTotalResultCount", i)
                    .complete(StandIn.lastCall());
        }
        SteamAPI.SteamAPI_RunCallbacks();
        List<String> events = recorder.take();
        assertEquals(80 + 1, events.size(), "only the latest follow-list request is delivered");
        assertEquals("onGameServerChangeRequested(\"server39\", \"pw39\")", events.get(78));
        assertEquals("onGameRichPresenceJoinRequested(39, \"+connect 39\")", events.get(79));
        assertEquals("onFriendsEnumerateFollowingList(0, [39], 39)", events.get(80));
    }

    /** A listener built against another version of the interface: it has one of the methods only. */
    public static final class OverlayOnlyListener {
        final List<Boolean> overlay = new ArrayList<>();

        public void onOverlayActivated(boolean active) {
            overlay.add(active);
        }
    }

    @Test
    void aMissingListenerMethodIsReportedAndTheOthersKeepWorking() {
        OverlayOnlyListener listener = new OverlayOnlyListener();
        long handle = StandIn.createAdapterWithAnyListener(
                "Java_net_quorlen_steam_SteamFriends_createNativeCallbackAdapter", listener);
        assertNotEquals(0, handle);
        afterTest(() -> friends.removeNativeCallbackAdapter(handle));
        StandIn.event(304).set("m_ulSteamID", USER).post();
        StandIn.event(331).set("m_bActive", 1).post();
        StandIn.beginStdoutCapture();
        SteamAPI.SteamAPI_RunCallbacks();
        String printed = StandIn.endStdoutCapture();
        assertTrue(printed.contains(
                "Can't find the method onPersonaStateChange(JI)V of object net/quorlen/steam/NativeFriendsListener!\n"),
                printed);
        assertEquals(List.of(true), listener.overlay);
    }
}
