package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.nio.ByteBuffer;
import java.nio.charset.StandardCharsets;
import java.util.List;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.function.Executable;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

class IdentityAndAuthTest extends NativeTest {
    private static final long SERVER = 0x8000_0000_0000_0005L;
    private static final String SERVER_LOGGED = "9223372036854775813";
    private SteamUser user;

    @BeforeEach
    void wrapper() {
        user = new SteamUser(SteamAPI.SteamUser());
        calls();
    }

    static byte[] bytes(ByteBuffer buffer, int from, int to) {
        byte[] out = new byte[to - from];
        for (int i = from; i < to; i++) {
            out[i - from] = buffer.get(i);
        }
        return out;
    }

    static byte[] ascii(String text) {
        return text.getBytes(StandardCharsets.US_ASCII);
    }

    @Test
    void theSteamIdComesBackBitForBit() {
        StandIn.set("GetSteamID", 0x8000_0000_0000_0001L, 76561197960287930L);
        assertEquals(0x8000_0000_0000_0001L, user.GetSteamID());
        assertEquals(76561197960287930L, user.GetSteamID());
        assertCalls("GetSteamID()", "GetSteamID()");
    }

    @Test
    void loggedOnAndBehindNatAreExactlyTrueOrFalse() {
        StandIn.set("BLoggedOn", 1, 0);
        StandIn.set("BIsBehindNAT", 0, 1);
        assertTrue(user.BLoggedOn());
        assertFalse(user.BLoggedOn());
        assertFalse(user.BIsBehindNAT());
        assertTrue(user.BIsBehindNAT());
        assertCalls("BLoggedOn()", "BLoggedOn()", "BIsBehindNAT()", "BIsBehindNAT()");
    }

    @Test
    void theDataFolderIsHandedOnOnlyWhenSteamworksFoundIt() {
        String[] folder = {"old"};
        StandIn.setText("GetUserDataFolder.buffer", "C:\\Steam\\userdata\\\u00e9\\22202\\local");
        assertTrue(user.GetUserDataFolder(folder));
        assertEquals("C:\\Steam\\userdata\\\u00e9\\22202\\local", folder[0]);

        folder[0] = "old";
        StandIn.set("GetUserDataFolder", false);
        assertFalse(user.GetUserDataFolder(folder));
        assertEquals("old", folder[0], "a folder Steamworks did not confirm is not handed on");
        assertCalls("GetUserDataFolder(&, 512)", "GetUserDataFolder(&, 512)");
    }

    @Test
    void initiateGameConnectionWritesTheBlobAtThePosition() {
        StandIn.setBytes("InitiateGameConnection.authBlob", ascii("BLOB"));
        ByteBuffer blob = ByteBuffer.allocateDirect(64);
        assertEquals(4, user.InitiateGameConnection(blob, 8, 40, SERVER, 0xC0A8_0001, 27015, true));
        assertCalls("InitiateGameConnection(" + StandIn.addressOf(blob, 8) + ", 32, " + SERVER_LOGGED
                + ", 3232235521, 27015, true)");
        assertArrayEquals(new byte[8], bytes(blob, 0, 8));
        assertArrayEquals(ascii("BLOB"), bytes(blob, 8, 12));
        assertEquals(0, blob.position());

        StandIn.set("InitiateGameConnection", -3);
        assertEquals(-3, user.InitiateGameConnection(blob, 0, 64, 1, 1, 1, false));
        assertCalls("InitiateGameConnection(" + StandIn.addressOf(blob, 0) + ", 64, 1, 1, 1, false)");
    }

    @ParameterizedTest(name = "port {0} reaches Steamworks as {1}")
    @CsvSource({"27015, 27015", "65535, 65535", "65536, 0", "92551, 27015", "-1, 65535"})
    void serverPortsAreCutToTheirLow16Bits(int port, int logged) {
        ByteBuffer blob = ByteBuffer.allocateDirect(8);
        user.InitiateGameConnection(blob, 0, 8, SERVER, -1, port, true);
        user.TerminateGameConnection(-1, port);
        user.AdvertiseGame(SERVER, -1, port);
        assertCalls("InitiateGameConnection(" + StandIn.addressOf(blob, 0) + ", 8, " + SERVER_LOGGED + ", 4294967295, "
                + logged + ", true)", "TerminateGameConnection(4294967295, " + logged + ")",
                "AdvertiseGame(" + SERVER_LOGGED + ", 4294967295, " + logged + ")");
    }

    @Test
    void getAuthSessionTicketWritesTheTicketAtThePosition() {
        StandIn.setBytes("GetAuthSessionTicket.ticket", ascii("TICKET-123"));
        StandIn.set("GetAuthSessionTicket", 7);
        ByteBuffer ticket = ByteBuffer.allocateDirect(128);
        int[] length = {0};
        assertEquals(7, user.GetAuthSessionTicket(ticket, 16, 80, length));
        assertCalls("GetAuthSessionTicket(" + StandIn.addressOf(ticket, 16) + ", 64, &)");
        assertEquals(10, length[0]);
        assertArrayEquals(new byte[16], bytes(ticket, 0, 16));
        assertArrayEquals(ascii("TICKET-123"), bytes(ticket, 16, 26));
    }

    @ParameterizedTest(name = "handle {0}, length {1}")
    @CsvSource({"0, 0", "0, 5", "9, 0"})
    void getAuthSessionTicketWritesTheLengthWhateverTheHandle(int handle, int written) {
        StandIn.set("GetAuthSessionTicket", handle);
        StandIn.set("GetAuthSessionTicket.ticketLength", written);
        int[] length = {55};
        assertEquals(handle, user.GetAuthSessionTicket(ByteBuffer.allocateDirect(32), 0, 32, length));
        assertEquals(written, length[0]);
    }

    @Test
    void authSessionsPassTheirTicketsAndIdsUnchanged() {
        ByteBuffer ticket = ByteBuffer.allocateDirect(32);
        StandIn.set("BeginAuthSession", 5);
        assertEquals(5, user.BeginAuthSession(ticket, 4, 24, -1L));
        user.EndAuthSession(SERVER);
        user.CancelAuthTicket(-1);
        assertCalls("BeginAuthSession(" + StandIn.addressOf(ticket, 4) + ", 20, 18446744073709551615)",
                "EndAuthSession(" + SERVER_LOGGED + ")", "CancelAuthTicket(4294967295)");
    }

    @Test
    void inputThatCannotBeUsedIsRejectedBeforeSteamworks() {
        ByteBuffer direct = ByteBuffer.allocateDirect(16);
        List<Rejection> cases = List.of(
                reject("heap blob", IllegalArgumentException.class,
                        () -> user.InitiateGameConnection(ByteBuffer.allocate(16), 0, 16, SERVER, 1, 1, true)),
                reject("blob limit beyond capacity", IllegalArgumentException.class,
                        () -> user.InitiateGameConnection(direct, 0, 17, SERVER, 1, 1, true)),
                reject("null ticket", NullPointerException.class, () -> user.BeginAuthSession(null, 0, 4, 1)),
                reject("reversed ticket region", IllegalArgumentException.class,
                        () -> user.BeginAuthSession(direct, 8, 4, 1)),
                reject("empty length array", ArrayIndexOutOfBoundsException.class,
                        () -> user.GetAuthSessionTicket(direct, 0, 16, new int[0])),
                reject("null folder array", NullPointerException.class, () -> user.GetUserDataFolder(null)),
                reject("interface handle 0", NullPointerException.class, () -> new SteamUser(0).GetSteamID()));
        for (Rejection c : cases) {
            assertThrows(c.thrown(), c.call(), c.name());
            assertEquals(List.of(), calls(), c.name());
        }
    }

    record Rejection(String name, Class<? extends Throwable> thrown, Executable call) {
    }

    static Rejection reject(String name, Class<? extends Throwable> thrown, Executable call) {
        return new Rejection(name, thrown, call);
    }
}
