package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.util.List;
import java.util.stream.Stream;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.MethodSource;

class FriendsClanTest extends FriendsFixture {
    static Stream<Query> queries() {
        return Stream.of(
                query("GetClanCount", 4, f -> f.GetClanCount(), "GetClanCount()", 4),
                query("GetClanByIndex", CLAN, f -> f.GetClanByIndex(3), "GetClanByIndex(3)", CLAN),
                query("GetClanOwner", USER, f -> f.GetClanOwner(CLAN), "GetClanOwner(" + id(CLAN) + ")", USER),
                query("GetClanOfficerCount", 0x8000_0002L, f -> f.GetClanOfficerCount(CLAN),
                        "GetClanOfficerCount(" + id(CLAN) + ")", 0x8000_0002),
                query("GetClanOfficerByIndex", USER, f -> f.GetClanOfficerByIndex(CLAN, 1),
                        "GetClanOfficerByIndex(" + id(CLAN) + ", 1)", USER),
                query("LeaveClanChatRoom", 1, f -> f.LeaveClanChatRoom(CLAN), "LeaveClanChatRoom(" + id(CLAN) + ")",
                        true),
                query("LeaveClanChatRoom", 0, f -> f.LeaveClanChatRoom(CLAN), "LeaveClanChatRoom(" + id(CLAN) + ")",
                        false),
                query("GetClanChatMemberCount", 31, f -> f.GetClanChatMemberCount(CLAN),
                        "GetClanChatMemberCount(" + id(CLAN) + ")", 31),
                query("GetChatMemberByIndex", USER, f -> f.GetChatMemberByIndex(CLAN, 30),
                        "GetChatMemberByIndex(" + id(CLAN) + ", 30)", USER),
                query("IsClanChatAdmin", 1, f -> f.IsClanChatAdmin(CHAT, USER),
                        "IsClanChatAdmin(" + id(CHAT) + ", " + id(USER) + ")", true),
                query("IsClanChatWindowOpenInSteam", 1, f -> f.IsClanChatWindowOpenInSteam(CHAT),
                        "IsClanChatWindowOpenInSteam(" + id(CHAT) + ")", true),
                query("OpenClanChatWindowInSteam", 0, f -> f.OpenClanChatWindowInSteam(CHAT),
                        "OpenClanChatWindowInSteam(" + id(CHAT) + ")", false),
                query("CloseClanChatWindowInSteam", 1, f -> f.CloseClanChatWindowInSteam(CHAT),
                        "CloseClanChatWindowInSteam(" + id(CHAT) + ")", true),
                query("SendClanChatMessage", 0, f -> f.SendClanChatMessage(CHAT, "gg \uD83D\uDE00"),
                        "SendClanChatMessage(" + id(CHAT) + ", \"gg \\xf0\\x9f\\x98\\x80\")", false),
                query("SendClanChatMessage", 1, f -> f.SendClanChatMessage(CHAT, ""),
                        "SendClanChatMessage(" + id(CHAT) + ", \"\")", true));
    }

    @ParameterizedTest
    @MethodSource("queries")
    void eachCallReachesSteamworksAndItsAnswerReachesJava(Query query) {
        query.check(friends);
    }

    @Test
    void clanNamesAndTagsArriveWholeAndNullAsNull() {
        checkTextQuery(friends, "GetClanName", f -> f.GetClanName(CLAN), "GetClanName(" + id(CLAN) + ")");
        checkTextQuery(friends, "GetClanTag", f -> f.GetClanTag(CLAN), "GetClanTag(" + id(CLAN) + ")");
    }

    @Test
    void activityCountsAreWrittenOnlyWhenSteamworksKnowsTheClan() {
        StandIn.set("GetClanActivityCounts.online", 12);
        StandIn.set("GetClanActivityCounts.inGame", 0x8000_0000L);
        StandIn.set("GetClanActivityCounts.chatting", 3);
        int[] online = {-1, -1};
        int[] inGame = {-1};
        int[] chatting = {-1};
        StandIn.set("GetClanActivityCounts", 1);
        assertTrue(friends.GetClanActivityCounts(CLAN, online, inGame, chatting));
        assertArrayEquals(new int[] {12, -1}, online);
        assertArrayEquals(new int[] {0x8000_0000}, inGame);
        assertArrayEquals(new int[] {3}, chatting);
        assertCalls("GetClanActivityCounts(" + id(CLAN) + ", &, &, &)");

        int[] kept = {77};
        StandIn.set("GetClanActivityCounts", 0);
        assertFalse(friends.GetClanActivityCounts(CLAN, kept, kept, kept));
        assertArrayEquals(new int[] {77}, kept);
    }

    @Test
    void activityCountsNeedThreeUsableArrays() {
        int[] one = {0};
        assertThrows(NullPointerException.class, () -> friends.GetClanActivityCounts(CLAN, one, null, one));
        assertThrows(ArrayIndexOutOfBoundsException.class,
                () -> friends.GetClanActivityCounts(CLAN, one, one, new int[0]));
        assertCalls();
    }

    @Test
    void downloadingActivityCountsHandsOverTheIdsInArrayOrder() {
        listen();
        friends.DownloadClanActivityCounts(new long[] {CLAN, 5, -1});
        long first = StandIn.lastCall();
        friends.DownloadClanActivityCounts(new long[0]);
        long second = StandIn.lastCall();
        assertCalls("DownloadClanActivityCounts([" + id(CLAN) + ", 5, 18446744073709551615], 3)",
                "RegisterCallResult(341, " + first + ")",
                "DownloadClanActivityCounts([], 0)",
                "UnregisterCallResult(341, " + first + ")",
                "RegisterCallResult(341, " + second + ")");
    }

    @Test
    void downloadingActivityCountsOfANullListMakesNoCall() {
        listen();
        assertThrows(NullPointerException.class, () -> friends.DownloadClanActivityCounts(null));
        assertCalls();
    }

    @Test
    void officerListAndChatRoomRequestsArmTheirOwnSlots() {
        ListenerRecorder<NativeFriendsListener> recorder = listen();
        friends.RequestClanOfficerList(CLAN);
        long officers = StandIn.lastCall();
        friends.JoinClanChatRoom(CLAN);
        long room = StandIn.lastCall();
        assertCalls("RequestClanOfficerList(" + id(CLAN) + ")", "RegisterCallResult(335, " + officers + ")",
                "JoinClanChatRoom(" + id(CLAN) + ")", "RegisterCallResult(342, " + room + ")");
        StandIn.event(342).set("m_steamIDClanChat", CHAT).set("m_eChatRoomEnterResponse", 1).complete(room);
        StandIn.event(335).set("m_steamIDClan", CLAN).set("m_cOfficers", 2).set("m_bSuccess", 1).complete(officers);
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of("onJoinClanChatRoomCompletionResult(" + CHAT + ", 1)",
                "onClanOfficerListResponse(" + CLAN + ", 2, true)"), recorder.take());
    }

    @Test
    void aNullChatMessageMakesNoCall() {
        assertThrows(NullPointerException.class, () -> friends.SendClanChatMessage(CHAT, null));
        assertCalls();
    }
}
