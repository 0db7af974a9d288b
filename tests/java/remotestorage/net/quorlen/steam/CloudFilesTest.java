package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNull;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.nio.ByteBuffer;
import java.nio.charset.StandardCharsets;
import java.util.List;
import java.util.function.Function;
import java.util.stream.Stream;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.function.Executable;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;

class CloudFilesTest extends NativeTest {
    private SteamRemoteStorage storage;

    @BeforeEach
    void wrapper() {
        storage = new SteamRemoteStorage(SteamAPI.SteamRemoteStorage());
        calls();
    }

    static ByteBuffer numbered(int capacity) {
        ByteBuffer buffer = ByteBuffer.allocateDirect(capacity);
        for (int i = 0; i < capacity; i++) {
            buffer.put(i, (byte) (i + 1));
        }
        return buffer;
    }

    static byte[] bytes(ByteBuffer buffer, int from, int to) {
        byte[] out = new byte[to - from];
        for (int i = from; i < to; i++) {
            out[i - from] = buffer.get(i);
        }
        return out;
    }

    @Test
    void fileWriteHandsOverTheRegionFromThePositionAndLeavesTheBufferAlone() {
        ByteBuffer data = numbered(32);
        data.position(2).limit(31);
        assertTrue(storage.FileWrite("write.sav", data, 10, 30));
        assertCalls("FileWrite(\"write.sav\", " + StandIn.addressOf(data, 10) + ", 20)");
        assertEquals(2, data.position());
        assertEquals(31, data.limit());

        ByteBuffer back = ByteBuffer.allocateDirect(20);
        assertEquals(20, storage.FileRead("write.sav", back, 0, 20));
        assertArrayEquals(bytes(data, 10, 30), bytes(back, 0, 20), "the stored bytes are those from the position on");
    }

    @Test
    void fileReadWritesFromThePositionAndNowhereElse() {
        StandIn.setBytes("FileRead.data", "abcdef".getBytes(StandardCharsets.US_ASCII));
        ByteBuffer data = ByteBuffer.allocateDirect(16);
        for (int i = 0; i < 16; i++) {
            data.put(i, (byte) '.');
        }
        assertEquals(6, storage.FileRead("read.sav", data, 4, 12));
        assertCalls("FileRead(\"read.sav\", " + StandIn.addressOf(data, 4) + ", 8)");
        assertEquals("....abcdef......", new String(bytes(data, 0, 16), StandardCharsets.US_ASCII));
        assertEquals(0, data.position());
        assertEquals(16, data.limit());
    }

    @Test
    void anEmptyRegionReachesSteamworksAsLengthZeroAndItsAnswerComesBack() {
        ByteBuffer data = numbered(8);
        StandIn.set("FileWrite", false);
        assertFalse(storage.FileWrite("empty.sav", data, 5, 5));
        StandIn.setBytes("FileRead.data", new byte[] {9, 9});
        assertEquals(0, storage.FileRead("empty.sav", data, 8, 8));
        assertCalls("FileWrite(\"empty.sav\", " + StandIn.addressOf(data, 5) + ", 0)",
                "FileRead(\"empty.sav\", " + StandIn.addressOf(data, 8) + ", 0)");
        assertArrayEquals(bytes(numbered(8), 0, 8), bytes(data, 0, 8));
    }

    static Stream<Arguments> fileQuestions() {
        return Stream.of(
                question("FileForget", 1, s -> s.FileForget("a.sav"), true, "FileForget(\"a.sav\")"),
                question("FileForget", 0, s -> s.FileForget("a.sav"), false, "FileForget(\"a.sav\")"),
                question("FileDelete", 1, s -> s.FileDelete("b.sav"), true, "FileDelete(\"b.sav\")"),
                question("FileDelete", 0, s -> s.FileDelete("b.sav"), false, "FileDelete(\"b.sav\")"),
                question("FileExists", 1, s -> s.FileExists("c.sav"), true, "FileExists(\"c.sav\")"),
                question("FileExists", 0, s -> s.FileExists("c.sav"), false, "FileExists(\"c.sav\")"),
                question("FilePersisted", 1, s -> s.FilePersisted("d.sav"), true, "FilePersisted(\"d.sav\")"),
                question("FilePersisted", 0, s -> s.FilePersisted("d.sav"), false, "FilePersisted(\"d.sav\")"),
                question("GetFileSize", 123456, s -> s.GetFileSize("e.sav"), 123456, "GetFileSize(\"e.sav\")"),
                question("GetFileTimestamp", 0x1_0000_0001L, s -> s.GetFileTimestamp("f.sav"), 0x1_0000_0001L,
                        "GetFileTimestamp(\"f.sav\")"),
                question("GetFileTimestamp", -1, s -> s.GetFileTimestamp("f.sav"), -1L, "GetFileTimestamp(\"f.sav\")"),
                question("SetSyncPlatforms", 1, s -> s.SetSyncPlatforms("g.sav", 0x8000_0001), true,
                        "SetSyncPlatforms(\"g.sav\", 2147483649)"),
                question("SetSyncPlatforms", 0, s -> s.SetSyncPlatforms("g.sav", 5), false,
                        "SetSyncPlatforms(\"g.sav\", 5)"),
                question("GetSyncPlatforms", 0xFFFF_FFFFL, s -> s.GetSyncPlatforms("h.sav"), -1,
                        "GetSyncPlatforms(\"h.sav\")"),
                question("GetFileCount", 7, SteamRemoteStorage::GetFileCount, 7, "GetFileCount()"),
                question("IsCloudEnabledForAccount", 1, SteamRemoteStorage::IsCloudEnabledForAccount, true,
                        "IsCloudEnabledForAccount()"),
                question("IsCloudEnabledForAccount", 0, SteamRemoteStorage::IsCloudEnabledForAccount, false,
                        "IsCloudEnabledForAccount()"),
                question("IsCloudEnabledForApp", 1, SteamRemoteStorage::IsCloudEnabledForApp, true,
                        "IsCloudEnabledForApp()"),
                question("IsCloudEnabledForApp", 0, SteamRemoteStorage::IsCloudEnabledForApp, false,
                        "IsCloudEnabledForApp()"),
                // names reach Steamworks as standard UTF-8, not the VM's modified form
                question("FileExists", 1, s -> s.FileExists("s\u00e4ve\uD83D\uDE00.sav"), true,
                        "FileExists(\"s\\xc3\\xa4ve\\xf0\\x9f\\x98\\x80.sav\")"));
    }

    static Arguments question(String key, long answer, Function<SteamRemoteStorage, Object> call, Object expected,
            String logged) {
        return Arguments.of(logged + " answered " + answer, key, answer, call, expected);
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("fileQuestions")
    void fileQuestionsPassTheirArgumentsAndAnswersThrough(String name, String key, long answer,
            Function<SteamRemoteStorage, Object> call, Object expected) {
        StandIn.set(key, answer);
        assertEquals(expected, call.apply(storage));
        assertEquals(List.of(name.substring(0, name.indexOf(" answered "))), calls());
    }

    @Test
    void setCloudEnabledForAppPassesTheFlag() {
        storage.SetCloudEnabledForApp(true);
        storage.SetCloudEnabledForApp(false);
        assertCalls("SetCloudEnabledForApp(true)", "SetCloudEnabledForApp(false)");
    }

    @Test
    void getFileNameAndSizeAlwaysWritesTheSizeAndGivesNullForAnIndexWithoutAName() {
        int[] size = {99};
        StandIn.setText("GetFileNameAndSize", "slot1.sav");
        StandIn.set("GetFileNameAndSize.fileSize", 4096);
        assertEquals("slot1.sav", storage.GetFileNameAndSize(0, size));
        assertEquals(4096, size[0]);

        StandIn.setText("GetFileNameAndSize", (String) null);
        StandIn.set("GetFileNameAndSize.fileSize", 0);
        size[0] = 99;
        assertNull(storage.GetFileNameAndSize(5, size));
        assertEquals(0, size[0], "the size is written even when it stays 0");
        assertCalls("GetFileNameAndSize(0, &)", "GetFileNameAndSize(5, &)");
    }

    @Test
    void getQuotaWritesBothValuesWhateverTheResult() {
        for (boolean known : new boolean[] {true, false}) {
            int[] total = {-7};
            int[] available = {-8};
            StandIn.set("GetQuota", known);
            StandIn.set("GetQuota.totalBytes", 1_000_000);
            StandIn.set("GetQuota.availableBytes", 0);
            assertEquals(known, storage.GetQuota(total, available));
            assertEquals(1_000_000, total[0], "total, result " + known);
            assertEquals(0, available[0], "available, result " + known);
            assertCalls("GetQuota(&, &)");
        }
    }

    @Test
    void inputThatCannotBeUsedIsRejectedBeforeSteamworks() {
        ByteBuffer direct = ByteBuffer.allocateDirect(16);
        SteamRemoteStorage withoutInterface = new SteamRemoteStorage(0);
        List<Rejection> cases = List.of(
                reject("null name", NullPointerException.class, () -> storage.FileWrite(null, direct, 0, 4)),
                reject("null buffer", NullPointerException.class, () -> storage.FileRead("x", null, 0, 4)),
                reject("heap buffer", IllegalArgumentException.class,
                        () -> storage.FileWrite("x", ByteBuffer.allocate(16), 0, 4)),
                reject("position above limit", IllegalArgumentException.class,
                        () -> storage.FileRead("x", direct, 5, 4)),
                reject("negative position", IllegalArgumentException.class,
                        () -> storage.FileWrite("x", direct, -1, 4)),
                reject("limit beyond capacity", IllegalArgumentException.class,
                        () -> storage.FileRead("x", direct, 0, 17)),
                reject("null name without buffer", NullPointerException.class, () -> storage.GetFileSize(null)),
                reject("null name with platforms", NullPointerException.class,
                        () -> storage.SetSyncPlatforms(null, 1)),
                reject("empty size array", ArrayIndexOutOfBoundsException.class,
                        () -> storage.GetFileNameAndSize(0, new int[0])),
                reject("null quota array", NullPointerException.class, () -> storage.GetQuota(new int[1], null)),
                reject("interface handle 0", NullPointerException.class, withoutInterface::GetFileCount));
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
