package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;

import java.nio.ByteBuffer;
import java.nio.charset.StandardCharsets;
import java.util.List;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.function.Executable;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

class VoiceTest extends NativeTest {
    private SteamUser user;

    @BeforeEach
    void wrapper() {
        user = new SteamUser(SteamAPI.SteamUser());
        calls();
    }

    static ByteBuffer dotted(int capacity) {
        ByteBuffer buffer = ByteBuffer.allocateDirect(capacity);
        for (int i = 0; i < capacity; i++) {
            buffer.put(i, (byte) '.');
        }
        return buffer;
    }

    static String text(ByteBuffer buffer, int from, int to) {
        byte[] out = new byte[to - from];
        for (int i = from; i < to; i++) {
            out[i - from] = buffer.get(i);
        }
        return new String(out, StandardCharsets.US_ASCII);
    }

    static byte[] ascii(String text) {
        return text.getBytes(StandardCharsets.US_ASCII);
    }

    @Test
    void recordingStartsAndStops() {
        user.StartVoiceRecording();
        user.StopVoiceRecording();
        assertCalls("StartVoiceRecording()", "StopVoiceRecording()");
    }

    @ParameterizedTest(name = "result {0}, counts {1} and {2}")
    @CsvSource({"0, 100, 400", "3, 0, 0", "0, -1, 7"})
    void getAvailableVoiceWritesBothCountsWhateverTheResult(int result, long compressed, long uncompressed) {
        StandIn.set("GetAvailableVoice", result);
        StandIn.set("GetAvailableVoice.compressedBytes", compressed & 0xFFFF_FFFFL);
        StandIn.set("GetAvailableVoice.uncompressedBytes", uncompressed & 0xFFFF_FFFFL);
        int[] compressedOut = {9};
        int[] uncompressedOut = {9};
        assertEquals(result, user.GetAvailableVoice(compressedOut, uncompressedOut, 0x8000_0000));
        assertEquals(compressed, compressedOut[0]);
        assertEquals(uncompressed, uncompressedOut[0]);
        assertCalls("GetAvailableVoice(&, &, 2147483648)");
    }

    @Test
    void getVoiceWritesBothKindsAtTheirPositions() {
        StandIn.setBytes("GetVoice.compressed", ascii("opus"));
        StandIn.setBytes("GetVoice.uncompressed", ascii("pcm-samples"));
        ByteBuffer compressed = dotted(16);
        ByteBuffer uncompressed = dotted(32);
        int[] compressedOut = {-1};
        int[] uncompressedOut = {-1};
        assertEquals(0, user.GetVoice(true, compressed, 4, 12, compressedOut, true, uncompressed, 8, 30,
                uncompressedOut, 22050));
        assertCalls("GetVoice(true, " + StandIn.addressOf(compressed, 4) + ", 8, &, true, "
                + StandIn.addressOf(uncompressed, 8) + ", 22, &, 22050)");
        assertEquals("....opus........", text(compressed, 0, 16));
        assertEquals("........pcm-samples.............", text(uncompressed, 0, 32));
        assertEquals(4, compressedOut[0]);
        assertEquals(11, uncompressedOut[0]);
    }

    @Test
    void anUnwantedKindMayHaveNoBufferAndItsCountIsStillWritten() {
        StandIn.setBytes("GetVoice.compressed", ascii("opus"));
        StandIn.set("GetVoice", 2);
        ByteBuffer compressed = dotted(16);
        int[] compressedOut = {-1};
        int[] uncompressedOut = {77};
        assertEquals(2, user.GetVoice(true, compressed, 0, 16, compressedOut, false, null, 5, 99, uncompressedOut,
                11025));
        assertCalls("GetVoice(true, " + StandIn.addressOf(compressed, 0) + ", 16, &, false, null, 0, &, 11025)");
        assertEquals(4, compressedOut[0]);
        assertEquals(0, uncompressedOut[0]);

        ByteBuffer uncompressed = dotted(8);
        StandIn.setBytes("GetVoice.uncompressed", ascii("pcm"));
        compressedOut[0] = 77;
        assertEquals(2, user.GetVoice(false, null, 0, 0, compressedOut, true, uncompressed, 2, 8, uncompressedOut,
                11025));
        assertCalls("GetVoice(false, null, 0, &, true, " + StandIn.addressOf(uncompressed, 2) + ", 6, &, 11025)");
        assertEquals("..pcm...", text(uncompressed, 0, 8));
        assertEquals(0, compressedOut[0]);
        assertEquals(3, uncompressedOut[0]);
    }

    @Test
    void anUnwantedKindsBufferIsStillHandedOverButNotWritten() {
        StandIn.setBytes("GetVoice.uncompressed", ascii("pcm"));
        ByteBuffer compressed = dotted(8);
        ByteBuffer uncompressed = dotted(8);
        int[] uncompressedOut = {77};
        user.GetVoice(true, compressed, 0, 8, new int[1], false, uncompressed, 1, 7, uncompressedOut, 11025);
        assertCalls("GetVoice(true, " + StandIn.addressOf(compressed, 0) + ", 8, &, false, "
                + StandIn.addressOf(uncompressed, 1) + ", 6, &, 11025)");
        assertEquals("........", text(uncompressed, 0, 8));
        assertEquals(0, uncompressedOut[0]);
    }

    @Test
    void decompressVoiceReadsAndWritesAtThePositions() {
        StandIn.setBytes("DecompressVoice.destination", ascii("samples"));
        StandIn.set("DecompressVoice", 4);
        ByteBuffer source = dotted(16);
        ByteBuffer destination = dotted(24);
        int[] written = {-1};
        assertEquals(4, user.DecompressVoice(source, 2, 12, destination, 10, 20, written, 44100));
        assertCalls("DecompressVoice(" + StandIn.addressOf(source, 2) + ", 10, " + StandIn.addressOf(destination, 10)
                + ", 10, &, 44100)");
        assertEquals("..........samples.......", text(destination, 0, 24));
        assertEquals(7, written[0]);
    }

    @Test
    void theOptimalSampleRateComesBackUnchanged() {
        StandIn.set("GetVoiceOptimalSampleRate", 48000, 0x8000_0000L);
        assertEquals(48000, user.GetVoiceOptimalSampleRate());
        assertEquals(Integer.MIN_VALUE, user.GetVoiceOptimalSampleRate());
        assertCalls("GetVoiceOptimalSampleRate()", "GetVoiceOptimalSampleRate()");
    }

    @Test
    void inputThatCannotBeUsedIsRejectedBeforeSteamworks() {
        ByteBuffer direct = ByteBuffer.allocateDirect(16);
        int[] count = new int[1];
        List<Rejection> cases = List.of(
                reject("wanted kind without a buffer", NullPointerException.class,
                        () -> user.GetVoice(true, null, 0, 0, count, false, null, 0, 0, count, 0)),
                reject("unwanted kind with a region beyond its buffer", IllegalArgumentException.class,
                        () -> user.GetVoice(true, direct, 0, 16, count, false, direct, 0, 17, count, 0)),
                reject("unwanted kind with a heap buffer", IllegalArgumentException.class,
                        () -> user.GetVoice(false, ByteBuffer.allocate(4), 0, 4, count, true, direct, 0, 16, count, 0)),
                reject("empty count array of an unwanted kind", ArrayIndexOutOfBoundsException.class,
                        () -> user.GetVoice(true, direct, 0, 16, count, false, null, 0, 0, new int[0], 0)),
                reject("reversed source region", IllegalArgumentException.class,
                        () -> user.DecompressVoice(direct, 9, 8, direct, 0, 16, count, 0)),
                reject("null destination", NullPointerException.class,
                        () -> user.DecompressVoice(direct, 0, 8, null, 0, 16, count, 0)),
                reject("null available count", NullPointerException.class,
                        () -> user.GetAvailableVoice(count, null, 0)));
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
