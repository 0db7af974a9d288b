package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertSame;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.util.stream.Stream;
import net.quorlen.standin.StandIn;
import net.quorlen.steam.friends.FriendGameInfo;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.MethodSource;

class FriendsPersonaTest extends FriendsFixture {
    static final long SOURCE = 0x8370_0000_0000_0099L;

    static Stream<Query> queries() {
        return Stream.of(
                query("GetPersonaState", 3, f -> f.GetPersonaState(), "GetPersonaState()", 3),
                query("GetFriendCount", 250, f -> f.GetFriendCount(0xFFFF), "GetFriendCount(65535)", 250),
                query("GetFriendByIndex", USER, f -> f.GetFriendByIndex(7, 4), "GetFriendByIndex(7, 4)", USER),
                query("GetFriendRelationship", 3, f -> f.GetFriendRelationship(USER),
                        "GetFriendRelationship(" + id(USER) + ")", 3),
                query("GetFriendPersonaState", 5, f -> f.GetFriendPersonaState(USER),
                        "GetFriendPersonaState(" + id(USER) + ")", 5),
                query("HasFriend", 1, f -> f.HasFriend(USER, 0x04), "HasFriend(" + id(USER) + ", 4)", true),
                query("HasFriend", 0, f -> f.HasFriend(USER, -1), "HasFriend(" + id(USER) + ", -1)", false),
                query("GetSmallFriendAvatar", 17, f -> f.GetSmallFriendAvatar(USER),
                        "GetSmallFriendAvatar(" + id(USER) + ")", 17),
                query("GetMediumFriendAvatar", 0x8000_0001L, f -> f.GetMediumFriendAvatar(USER),
                        "GetMediumFriendAvatar(" + id(USER) + ")", 0x8000_0001),
                query("GetLargeFriendAvatar", -1, f -> f.GetLargeFriendAvatar(USER),
                        "GetLargeFriendAvatar(" + id(USER) + ")", -1),
                query("RequestUserInformation", 1, f -> f.RequestUserInformation(USER, true),
                        "RequestUserInformation(" + id(USER) + ", true)", true),
                query("RequestUserInformation", 0, f -> f.RequestUserInformation(USER, false),
                        "RequestUserInformation(" + id(USER) + ", false)", false),
                query("GetUserRestrictions", 0x8000_0004L, f -> f.GetUserRestrictions(), "GetUserRestrictions()",
                        0x8000_0004),
                query("GetCoplayFriendCount", 9, f -> f.GetCoplayFriendCount(), "GetCoplayFriendCount()", 9),
                query("GetCoplayFriend", USER, f -> f.GetCoplayFriend(2), "GetCoplayFriend(2)", USER),
                query("GetFriendCoplayTime", 0xF000_0000L, f -> f.GetFriendCoplayTime(USER),
                        "GetFriendCoplayTime(" + id(USER) + ")", 0xF000_0000),
                query("GetFriendCoplayGame", 0x8000_0000L, f -> f.GetFriendCoplayGame(USER),
                        "GetFriendCoplayGame(" + id(USER) + ")", 0x8000_0000),
                query("GetFriendCountFromSource", 12, f -> f.GetFriendCountFromSource(SOURCE),
                        "GetFriendCountFromSource(" + id(SOURCE) + ")", 12),
                query("GetFriendFromSourceByIndex", USER, f -> f.GetFriendFromSourceByIndex(SOURCE, 3),
                        "GetFriendFromSourceByIndex(" + id(SOURCE) + ", 3)", USER),
                query("IsUserInSource", 1, f -> f.IsUserInSource(USER, SOURCE),
                        "IsUserInSource(" + id(USER) + ", " + id(SOURCE) + ")", true),
                command(f -> f.SetInGameVoiceSpeaking(USER, true), "SetInGameVoiceSpeaking(" + id(USER) + ", true)"),
                command(f -> f.SetInGameVoiceSpeaking(USER, false), "SetInGameVoiceSpeaking(" + id(USER) + ", false)"),
                command(f -> f.SetPlayedWith(USER), "SetPlayedWith(" + id(USER) + ")"));
    }

    @ParameterizedTest
    @MethodSource("queries")
    void eachCallReachesSteamworksAndItsAnswerReachesJava(Query query) {
        query.check(friends);
    }

    @Test
    void namesArriveWholeAndANullNameAsNull() {
        checkTextQuery(friends, "GetPersonaName", SteamFriends::GetPersonaName, "GetPersonaName()");
        checkTextQuery(friends, "GetFriendPersonaName", f -> f.GetFriendPersonaName(USER),
                "GetFriendPersonaName(" + id(USER) + ")");
        checkTextQuery(friends, "GetFriendPersonaNameHistory", f -> f.GetFriendPersonaNameHistory(USER, 2),
                "GetFriendPersonaNameHistory(" + id(USER) + ", 2)");
    }

    @Test
    void aFriendsEmojiNameArrivesIntact() {
        StandIn.setText("GetFriendPersonaName", "\uD83D\uDE00");
        String name = friends.GetFriendPersonaName(USER);
        assertEquals("\uD83D\uDE00", name);
        assertEquals(0x1F600, name.codePointAt(0));
    }

    @Test
    void setPersonaNameHandsOverStandardUtf8AndArmsNothing() {
        listen();
        friends.SetPersonaName("Zed \uD83D\uDE00");
        assertCalls("SetPersonaName(\"Zed \\xf0\\x9f\\x98\\x80\")");
        assertThrows(NullPointerException.class, () -> friends.SetPersonaName(null));
        assertCalls();
    }

    @Test
    void gameInfoCarriesUnsignedPortsAndTheWholeGameId() {
        StandIn.set("GetFriendGamePlayed", 1);
        StandIn.set("GetFriendGamePlayed.m_gameID", 0x8123_4567_0001_0F2CL);
        StandIn.set("GetFriendGamePlayed.m_unGameIP", 0xC0A8_0001L);
        StandIn.set("GetFriendGamePlayed.m_usGamePort", 0xFFFF);
        StandIn.set("GetFriendGamePlayed.m_usQueryPort", 0x8000);
        StandIn.set("GetFriendGamePlayed.m_steamIDLobby", 0x8186_0000_0000_0001L);
        FriendGameInfo[] out = new FriendGameInfo[1];
        assertTrue(friends.GetFriendGamePlayed(USER, out));
        assertCalls("GetFriendGamePlayed(" + id(USER) + ", &)");
        FriendGameInfo game = out[0];
        assertEquals(0x8123_4567_0001_0F2CL, game.gameId);
        assertEquals(0xC0A8_0001, game.gameIp);
        assertEquals(0xFFFF, game.gamePort);
        assertEquals(0x8000, game.queryPort);
        assertEquals(0x8186_0000_0000_0001L, game.steamIdLobby);
    }

    @Test
    void gameInfoStartsEmptySoAnUnsetLobbyReadsAsZero() {
        StandIn.set("GetFriendGamePlayed", 1);
        StandIn.set("GetFriendGamePlayed.m_gameID", 440);
        FriendGameInfo[] out = new FriendGameInfo[1];
        assertTrue(friends.GetFriendGamePlayed(USER, out));
        assertEquals("FriendGameInfo[gameId=440, gameIp=0, gamePort=0, queryPort=0, steamIdLobby=0]", out[0].toString());
    }

    @Test
    void aFriendInNoGameLeavesTheArrayAlone() {
        StandIn.set("GetFriendGamePlayed", 0);
        FriendGameInfo[] empty = new FriendGameInfo[1];
        assertFalse(friends.GetFriendGamePlayed(USER, empty));
        assertNull(empty[0]);
        FriendGameInfo earlier = new FriendGameInfo(1, 2, (char) 3, (char) 4, 5);
        FriendGameInfo[] filled = {earlier};
        assertFalse(friends.GetFriendGamePlayed(USER, filled));
        assertSame(earlier, filled[0]);
    }

    @Test
    void unusableInputMakesNoCall() {
        StandIn.set("GetFriendGamePlayed", 1);
        assertThrows(NullPointerException.class, () -> friends.GetFriendGamePlayed(USER, null));
        assertThrows(ArrayIndexOutOfBoundsException.class,
                () -> friends.GetFriendGamePlayed(USER, new FriendGameInfo[0]));
        SteamFriends none = new SteamFriends(0);
        assertThrows(NullPointerException.class, none::GetPersonaName);
        assertThrows(NullPointerException.class, () -> none.SetPlayedWith(USER));
        assertCalls();
    }
}
