package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.nio.charset.StandardCharsets;
import java.util.Arrays;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.EnumSource;

/** The two reads of a chat message into a 64 KiB buffer: a clan chat's and a friend's. */
class FriendsChatMessageTest extends FriendsFixture {
    static final int BUFFER = 65536;

    /** One of the two reads; the friend's has no chatter out-array. */
    enum Read {
        CLAN_CHAT("GetClanChatMessage") {
            @Override
            int call(SteamFriends friends, String[] text, int[] type, long[] chatter) {
                return friends.GetClanChatMessage(CHAT, 4, text, type, chatter);
            }

            @Override
            String logged() {
                return "GetClanChatMessage(" + id(CHAT) + ", 4, &, 65536, &, &)";
            }
        },
        FRIEND("GetFriendMessage") {
            @Override
            int call(SteamFriends friends, String[] text, int[] type, long[] chatter) {
                return friends.GetFriendMessage(USER, 4, text, type);
            }

            @Override
            String logged() {
                return "GetFriendMessage(" + id(USER) + ", 4, &, 65536, &)";
            }
        };

        final String method;

        Read(String method) {
            this.method = method;
        }

        abstract int call(SteamFriends friends, String[] text, int[] type, long[] chatter);

        abstract String logged();

        boolean hasChatter() {
            return this == CLAN_CHAT;
        }
    }

    @ParameterizedTest
    @EnumSource(Read.class)
    void aHeldMessageFillsEveryArrayAndTheResultIsPassedOn(Read read) {
        StandIn.setText(read.method + ".text", "gg \uD83D\uDE00 wp");
        StandIn.set(read.method + ".type", 0x8000_0001L);
        StandIn.set(read.method + ".chatter", USER);
        StandIn.set(read.method, 13);
        String[] text = {"old"};
        int[] type = {-5};
        long[] chatter = {-5};
        assertEquals(13, read.call(friends, text, type, chatter));
        assertCalls(read.logged());
        assertEquals("gg \uD83D\uDE00 wp", text[0]);
        assertEquals(0x8000_0001, type[0]);
        assertEquals(read.hasChatter() ? USER : -5, chatter[0]);
    }

    @ParameterizedTest
    @EnumSource(Read.class)
    void aMessageSteamworksDoesNotHoldStillWritesEmptyValues(Read read) {
        StandIn.set(read.method, 0);
        String[] text = {"old"};
        int[] type = {-5};
        long[] chatter = {-5};
        assertEquals(0, read.call(friends, text, type, chatter));
        assertEquals("", text[0]);
        assertEquals(0, type[0]);
        assertEquals(read.hasChatter() ? 0 : -5, chatter[0]);
    }

    @ParameterizedTest
    @EnumSource(Read.class)
    void aMessageOfBufferSizeLessOneFitsWhole(Read read) {
        byte[] bytes = new byte[BUFFER - 1];
        Arrays.fill(bytes, (byte) 'x');
        StandIn.setBytes(read.method + ".text", bytes);
        String[] text = new String[1];
        assertEquals(BUFFER - 1, read.call(friends, text, new int[1], new long[1]));
        assertEquals("x".repeat(BUFFER - 1), text[0]);
    }

    @ParameterizedTest
    @EnumSource(Read.class)
    void aMessageThatFillsTheBufferIsCutNeverReadPast(Read read) {
        byte[] bytes = new byte[BUFFER];
        Arrays.fill(bytes, (byte) 'y');
        // A different last byte shows whether the cut falls inside the buffer.
        bytes[BUFFER - 1] = 'z';
        StandIn.setBytes(read.method + ".text", bytes);
        String[] text = new String[1];
        assertEquals(BUFFER, read.call(friends, text, new int[1], new long[1]));
        assertEquals("y".repeat(BUFFER - 1), text[0]);
    }

    @ParameterizedTest
    @EnumSource(Read.class)
    void anUnusableOutArrayMakesNoCall(Read read) {
        StandIn.setText(read.method + ".text", "never read");
        assertThrows(NullPointerException.class, () -> read.call(friends, null, new int[1], new long[1]));
        assertThrows(ArrayIndexOutOfBoundsException.class,
                () -> read.call(friends, new String[1], new int[0], new long[1]));
        if (read.hasChatter()) {
            assertThrows(NullPointerException.class, () -> read.call(friends, new String[1], new int[1], null));
        }
        assertCalls();
    }

    @ParameterizedTest
    @EnumSource(Read.class)
    void aMessageCutInsideACharacterKeepsEveryWholeOne(Read read) {
        // 65534 ASCII bytes, then the first two bytes of a four-byte character fill the buffer.
        byte[] emoji = "\uD83D\uDE00".getBytes(StandardCharsets.UTF_8);
        byte[] bytes = new byte[BUFFER];
        Arrays.fill(bytes, (byte) 'q');
        System.arraycopy(emoji, 0, bytes, BUFFER - 2, 2);
        StandIn.setBytes(read.method + ".text", bytes);
        String[] text = new String[1];
        read.call(friends, text, new int[1], new long[1]);
        assertEquals("q".repeat(BUFFER - 2), text[0].substring(0, BUFFER - 2));
        String rest = text[0].substring(BUFFER - 2);
        assertTrue(!rest.isEmpty() && rest.chars().allMatch(c -> c == 0xFFFD), "after the cut: " + rest);
    }
}
