package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;

import java.util.List;
import java.util.function.Consumer;
import java.util.stream.Stream;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.MethodSource;

class FriendsOverlayPresenceTest extends FriendsFixture {
    static final String SMILE = "\uD83D\uDE00";
    static final String SMILE_LOGGED = "\\xf0\\x9f\\x98\\x80";

    static Stream<Query> queries() {
        return Stream.of(
                command(f -> f.ActivateGameOverlay("Friends"), "ActivateGameOverlay(\"Friends\")"),
                command(f -> f.ActivateGameOverlayToUser("steamid", USER),
                        "ActivateGameOverlayToUser(\"steamid\", " + id(USER) + ")"),
                command(f -> f.ActivateGameOverlayToWebPage("https://example.org/?q=" + SMILE),
                        "ActivateGameOverlayToWebPage(\"https://example.org/?q=" + SMILE_LOGGED + "\")"),
                command(f -> f.ActivateGameOverlayToStore(0x8000_1234, 2),
                        "ActivateGameOverlayToStore(2147488308, 2)"),
                command(f -> f.ActivateGameOverlayToStore(440, -1), "ActivateGameOverlayToStore(440, -1)"),
                command(f -> f.ActivateGameOverlayInviteDialog(CHAT),
                        "ActivateGameOverlayInviteDialog(" + id(CHAT) + ")"),
                query("SetRichPresence", 1, f -> f.SetRichPresence("status", "In " + SMILE),
                        "SetRichPresence(\"status\", \"In " + SMILE_LOGGED + "\")", true),
                query("SetRichPresence", 0, f -> f.SetRichPresence("connect", ""),
                        "SetRichPresence(\"connect\", \"\")", false),
                command(SteamFriends::ClearRichPresence, "ClearRichPresence()"),
                query("GetFriendRichPresenceKeyCount", 0x8000_0000L, f -> f.GetFriendRichPresenceKeyCount(USER),
                        "GetFriendRichPresenceKeyCount(" + id(USER) + ")", 0x8000_0000),
                command(f -> f.RequestFriendRichPresence(USER), "RequestFriendRichPresence(" + id(USER) + ")"),
                query("InviteUserToGame", 1, f -> f.InviteUserToGame(USER, "+connect 10.0.0.1"),
                        "InviteUserToGame(" + id(USER) + ", \"+connect 10.0.0.1\")", true),
                query("InviteUserToGame", 0, f -> f.InviteUserToGame(USER, "x"),
                        "InviteUserToGame(" + id(USER) + ", \"x\")", false),
                query("SetListenForFriendsMessages", 1, f -> f.SetListenForFriendsMessages(true),
                        "SetListenForFriendsMessages(true)", true),
                query("SetListenForFriendsMessages", 0, f -> f.SetListenForFriendsMessages(false),
                        "SetListenForFriendsMessages(false)", false),
                query("ReplyToFriendMessage", 1, f -> f.ReplyToFriendMessage(USER, "brb " + SMILE),
                        "ReplyToFriendMessage(" + id(USER) + ", \"brb " + SMILE_LOGGED + "\")", true),
                query("ReplyToFriendMessage", 0, f -> f.ReplyToFriendMessage(USER, ""),
                        "ReplyToFriendMessage(" + id(USER) + ", \"\")", false));
    }

    @ParameterizedTest
    @MethodSource("queries")
    void eachCallReachesSteamworksAndItsAnswerReachesJava(Query query) {
        query.check(friends);
    }

    @Test
    void friendsRichPresenceArrivesWholeAndNullAsNull() {
        checkTextQuery(friends, "GetFriendRichPresence", f -> f.GetFriendRichPresence(USER, "st\u00e4tus"),
                "GetFriendRichPresence(" + id(USER) + ", \"st\\xc3\\xa4tus\")");
        checkTextQuery(friends, "GetFriendRichPresenceKeyByIndex", f -> f.GetFriendRichPresenceKeyByIndex(USER, 1),
                "GetFriendRichPresenceKeyByIndex(" + id(USER) + ", 1)");
    }

    @Test
    void keyAndValueEachTravelFromTheirOwnString() {
        // Two strings of different lengths, one needing conversion: a mix-up of
        // the two would show in the log or, on release, in the VM's JNI checks.
        for (int i = 0; i < 200; i++) {
            assertEquals(true, friends.SetRichPresence("k" + i, SMILE + "v".repeat(i)));
        }
        List<String> log = calls();
        assertEquals(200, log.size());
        assertEquals("SetRichPresence(\"k199\", \"" + SMILE_LOGGED + "v".repeat(199) + "\")", log.get(199));
    }

    @Test
    void aNullStringMakesNoCall() {
        List<Consumer<SteamFriends>> calls = List.of(
                f -> f.ActivateGameOverlay(null),
                f -> f.ActivateGameOverlayToUser(null, USER),
                f -> f.ActivateGameOverlayToWebPage(null),
                f -> f.SetRichPresence(null, "v"),
                f -> f.SetRichPresence("k", null),
                f -> f.GetFriendRichPresence(USER, null),
                f -> f.InviteUserToGame(USER, null),
                f -> f.ReplyToFriendMessage(USER, null));
        for (int i = 0; i < calls.size(); i++) {
            Consumer<SteamFriends> call = calls.get(i);
            assertThrows(NullPointerException.class, () -> call.accept(friends), "call " + i);
        }
        assertCalls();
    }

    @Test
    void followingRequestsArmTheirSlotsAndReturnAtOnce() {
        ListenerRecorder<NativeFriendsListener> recorder = listen();
        friends.GetFollowerCount(USER);
        long count = StandIn.lastCall();
        friends.IsFollowing(CLAN);
        long following = StandIn.lastCall();
        friends.EnumerateFollowingList(0x8000_0000);
        long list = StandIn.lastCall();
        assertCalls("GetFollowerCount(" + id(USER) + ")", "RegisterCallResult(344, " + count + ")",
                "IsFollowing(" + id(CLAN) + ")", "RegisterCallResult(345, " + following + ")",
                "EnumerateFollowingList(2147483648)", "RegisterCallResult(346, " + list + ")");
        assertEquals(List.of(), recorder.take());
        StandIn.event(346).set("m_nTotalResultCount", 0).complete(list);
        StandIn.event(345).set("m_steamID", CLAN).complete(following);
        StandIn.event(344).set("m_steamID", USER).set("m_nCount", 9).complete(count);
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of("onFriendsEnumerateFollowingList(0, [], 0)", "onFriendsIsFollowing(0, " + CLAN + ", false)",
                "onFriendsGetFollowerCount(0, " + USER + ", 9)"), recorder.take());
    }
}
