package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertEquals;

import java.util.function.Consumer;
import java.util.function.Function;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.BeforeEach;

/** A SteamFriends wrapper on the stand-in's interface, and what the Friends tests share. */
abstract class FriendsFixture extends NativeTest {
    /** Steam IDs with the top bit set, so a sign or width slip shows. */
    static final long USER = 0x8110_0001_0000_0042L;
    static final long CLAN = 0x8370_0000_0000_1234L;
    static final long CHAT = 0x8480_0000_0000_5678L;

    SteamFriends friends;

    @BeforeEach
    void friendsInterface() {
        friends = new SteamFriends(SteamAPI.SteamFriends());
        calls();
    }

    /** Attaches a recording listener (removed after the test) and forgets its registrations. */
    ListenerRecorder<NativeFriendsListener> listen() {
        ListenerRecorder<NativeFriendsListener> recorder = ListenerRecorder.of(NativeFriendsListener.class);
        friends.setListener(recorder.listener());
        afterTest(() -> friends.setListener(null));
        calls();
        return recorder;
    }

    /** A Steam ID as the stand-in logs it. */
    static String id(long steamId) {
        return Long.toUnsignedString(steamId);
    }

    /**
     * A one-call native: what the stand-in is scripted to answer (under `key`,
     * unless null), the call, the line it must log and what Java must get.
     */
    record Query(String key, long answer, Function<SteamFriends, Object> call, String logged, Object expected) {
        @Override
        public String toString() {
            return logged;
        }

        void check(SteamFriends friends) {
            if (key != null) {
                StandIn.set(key, answer);
            }
            assertEquals(expected, call.apply(friends), logged);
            assertEquals(java.util.List.of(logged), StandIn.takeCalls(), logged);
        }
    }

    static Query query(String key, long answer, Function<SteamFriends, Object> call, String logged, Object expected) {
        return new Query(key, answer, call, logged, expected);
    }

    /** A void native: no answer, only the line it must log. */
    static Query command(Consumer<SteamFriends> call, String logged) {
        return new Query(null, 0, f -> {
            call.accept(f);
            return null;
        }, logged, null);
    }

    /** A text query: each text scripted in turn must reach Java as the same string (null as null). */
    static void checkTextQuery(SteamFriends friends, String key, Function<SteamFriends, String> call, String logged) {
        for (String text : new String[] {"Zed \uD83D\uDE00 \u00e9", "", null}) {
            StandIn.setText(key, text);
            assertEquals(text, call.apply(friends), key + " answering " + text);
            assertEquals(java.util.List.of(logged), StandIn.takeCalls(), key);
        }
    }
}
