package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.nio.ByteBuffer;
import java.util.List;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.function.Executable;

class SharedContentTest extends NativeTest {
    private static final long CONTENT = 0x8000_0000_0000_0042L;
    private static final String CONTENT_LOGGED = "9223372036854775874";
    private SteamRemoteStorage storage;

    @BeforeEach
    void wrapper() {
        storage = new SteamRemoteStorage(SteamAPI.SteamRemoteStorage());
        calls();
    }

    static byte[] content(int size) {
        byte[] bytes = new byte[size];
        for (int i = 0; i < size; i++) {
            bytes[i] = (byte) (i % 251);
        }
        return bytes;
    }

    static byte[] bytes(ByteBuffer buffer, int from, int to) {
        byte[] out = new byte[to - from];
        for (int i = from; i < to; i++) {
            out[i - from] = buffer.get(i);
        }
        return out;
    }

    @Test
    void ugcReadTakesThePositionAsContentOffsetAndFillsTheBufferFromItsStart() {
        byte[] content = content(1000);
        StandIn.setBytes("UGCRead.data", content);
        ByteBuffer data = ByteBuffer.allocateDirect(700);
        for (int i = 0; i < 700; i++) {
            data.put(i, (byte) 0x7F);
        }
        assertEquals(512, storage.UGCRead(CONTENT, data, 100, 612));
        assertCalls("UGCRead(" + CONTENT_LOGGED + ", " + StandIn.addressOf(data, 0) + ", 512, 100)");
        byte[] expected = new byte[512];
        System.arraycopy(content, 100, expected, 0, 512);
        assertArrayEquals(expected, bytes(data, 0, 512));
        for (int i = 512; i < 700; i++) {
            assertEquals(0x7F, data.get(i), "byte " + i + " beyond the count is untouched");
        }
        assertEquals(0, data.position());
    }

    @Test
    void ugcReadChecksTheContentOffsetAndTheCountAgainstTheBuffer() {
        ByteBuffer data = ByteBuffer.allocateDirect(700);
        List<Rejection> cases = List.of(
                reject("count beyond the capacity", IllegalArgumentException.class,
                        () -> storage.UGCRead(CONTENT, data, 0, 701)),
                reject("offset beyond the capacity", IllegalArgumentException.class,
                        () -> storage.UGCRead(CONTENT, data, 800, 900)),
                reject("offset above limit", IllegalArgumentException.class,
                        () -> storage.UGCRead(CONTENT, data, 10, 5)),
                reject("negative offset", IllegalArgumentException.class,
                        () -> storage.UGCRead(CONTENT, data, -4, 5)),
                reject("heap buffer", IllegalArgumentException.class,
                        () -> storage.UGCRead(CONTENT, ByteBuffer.allocate(8), 0, 8)),
                reject("null buffer", NullPointerException.class, () -> storage.UGCRead(CONTENT, null, 0, 8)),
                reject("empty name array", ArrayIndexOutOfBoundsException.class,
                        () -> storage.GetUGCDetails(CONTENT, new long[1], new String[0], new int[1], new long[1])),
                reject("null owner array", NullPointerException.class,
                        () -> storage.GetUGCDetails(CONTENT, new long[1], new String[1], new int[1], null)),
                reject("null share name", NullPointerException.class, () -> storage.FileShare(null)));
        for (Rejection c : cases) {
            assertThrows(c.thrown(), c.call(), c.name());
            assertEquals(List.of(), calls(), c.name());
        }
    }

    @Test
    void getUgcDetailsHandsOnAllFourDetailsWithTheAppIdAsAnUnsignedValue() {
        StandIn.set("GetUGCDetails", true);
        StandIn.set("GetUGCDetails.appId", 0x8000_0001L);
        StandIn.setText("GetUGCDetails.fileName", "level-\u00e9.map");
        StandIn.set("GetUGCDetails.sizeInBytes", 70_000);
        StandIn.set("GetUGCDetails.owner", 0x8110_0001_0000_0001L);
        long[] appId = {0};
        String[] name = {"old"};
        int[] size = {0};
        long[] owner = {0};
        assertTrue(storage.GetUGCDetails(CONTENT, appId, name, size, owner));
        assertCalls("GetUGCDetails(" + CONTENT_LOGGED + ", &, &, &, &)");
        assertEquals(2147483649L, appId[0], "an app id with its top bit set stays positive");
        assertEquals("level-\u00e9.map", name[0]);
        assertEquals(70_000, size[0]);
        assertEquals(0x8110_0001_0000_0001L, owner[0]);
    }

    @Test
    void getUgcDetailsLeavesEveryArrayAloneWhenSteamworksDoesNotKnowTheContent() {
        // Steamworks filled its outputs all the same; they must not reach Java.
        StandIn.set("GetUGCDetails", false);
        StandIn.set("GetUGCDetails.appId", 480);
        StandIn.setText("GetUGCDetails.fileName", "stale.map");
        StandIn.set("GetUGCDetails.sizeInBytes", 5);
        StandIn.set("GetUGCDetails.owner", 76561197960287930L);
        long[] appId = {-1};
        String[] name = {"old"};
        int[] size = {-2};
        long[] owner = {-3};
        assertFalse(storage.GetUGCDetails(7, appId, name, size, owner));
        assertEquals(-1, appId[0]);
        assertEquals("old", name[0]);
        assertEquals(-2, size[0]);
        assertEquals(-3, owner[0]);
        assertCalls("GetUGCDetails(7, &, &, &, &)");
    }

    @Test
    void theCachedContentIsCountedAndListed() {
        StandIn.set("GetCachedUGCCount", 3);
        StandIn.set("GetCachedUGCHandle", CONTENT);
        assertEquals(3, storage.GetCachedUGCCount());
        assertEquals(CONTENT, storage.GetCachedUGCHandle(2));
        assertCalls("GetCachedUGCCount()", "GetCachedUGCHandle(2)");
    }

    @Test
    void withoutAnAdapterTheAsynchronousCallsStillReachSteamworks() {
        storage.FileShare("shared.sav");
        storage.UGCDownload(CONTENT, -1);
        assertCalls("FileShare(\"shared.sav\")", "UGCDownload(" + CONTENT_LOGGED + ", 4294967295)");
    }

    record Rejection(String name, Class<? extends Throwable> thrown, Executable call) {
    }

    static Rejection reject(String name, Class<? extends Throwable> thrown, Executable call) {
        return new Rejection(name, thrown, call);
    }
}
