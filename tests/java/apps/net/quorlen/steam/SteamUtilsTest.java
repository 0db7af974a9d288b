package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.nio.ByteBuffer;
import java.util.Arrays;
import java.util.List;
import java.util.function.ToIntFunction;
import java.util.stream.Stream;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;

class SteamUtilsTest extends NativeTest {
    private static final byte UNTOUCHED = 0x55;

    private final SteamUtils utils = new SteamUtils(SteamAPI.SteamUtils());

    static Stream<Arguments> numbers() {
        ToIntFunction<SteamUtils> appActive = SteamUtils::GetSecondsSinceAppActive;
        ToIntFunction<SteamUtils> computerActive = SteamUtils::GetSecondsSinceComputerActive;
        ToIntFunction<SteamUtils> universe = SteamUtils::GetConnectedUniverse;
        ToIntFunction<SteamUtils> serverTime = SteamUtils::GetServerRealTime;
        ToIntFunction<SteamUtils> battery = SteamUtils::GetCurrentBatteryPower;
        ToIntFunction<SteamUtils> appId = SteamUtils::GetAppID;
        ToIntFunction<SteamUtils> ipcCalls = SteamUtils::GetIPCCallCount;
        return Stream.of(
                Arguments.of("GetSecondsSinceAppActive", appActive, 125L, 125),
                Arguments.of("GetSecondsSinceAppActive", appActive, 0xFFFFFFFFL, -1),
                Arguments.of("GetSecondsSinceComputerActive", computerActive, 3600L, 3600),
                Arguments.of("GetConnectedUniverse", universe, 1L, 1),
                Arguments.of("GetServerRealTime", serverTime, 1_700_000_000L, 1_700_000_000),
                Arguments.of("GetServerRealTime", serverTime, 0xF0000000L, 0xF0000000),
                Arguments.of("GetCurrentBatteryPower", battery, 255L, 255),
                Arguments.of("GetCurrentBatteryPower", battery, 128L, 128),
                Arguments.of("GetCurrentBatteryPower", battery, 0L, 0),
                Arguments.of("GetAppID", appId, 480L, 480),
                Arguments.of("GetAppID", appId, 0x80000000L, 0x80000000),
                Arguments.of("GetIPCCallCount", ipcCalls, 0xFFFFFFFEL, -2));
    }

    @ParameterizedTest(name = "{0} answering {2}")
    @MethodSource("numbers")
    void numbersArriveBitForBit(String method, ToIntFunction<SteamUtils> nativeMethod, long answer, int expected) {
        StandIn.set(method, answer);
        assertEquals(expected, nativeMethod.applyAsInt(utils));
        assertCalls(method + "()");
    }

    @Test
    void eachIdleTimeReportsItsOwnValue() {
        StandIn.set("GetSecondsSinceAppActive", 11);
        StandIn.set("GetSecondsSinceComputerActive", 22);
        assertEquals(22, utils.GetSecondsSinceComputerActive());
        assertEquals(11, utils.GetSecondsSinceAppActive());
        assertCalls("GetSecondsSinceComputerActive()", "GetSecondsSinceAppActive()");
    }

    @Test
    void theCountryArrivesAsTheTextSteamworksReturns() {
        for (String country : Arrays.asList("SE", "", null)) {
            StandIn.setText("GetIPCountry", country);
            assertEquals(country, utils.GetIPCountry(), "country " + country);
            assertCalls("GetIPCountry()");
        }
    }

    @Test
    void aKnownImageGivesWidthAndHeight() {
        StandIn.set("GetImageSize", true);
        StandIn.set("GetImageSize.width", 0xFFFFFFFFL);
        StandIn.set("GetImageSize.height", 184);
        int[] width = {7};
        int[] height = {7};
        assertTrue(utils.GetImageSize(42, width, height));
        assertCalls("GetImageSize(42, &, &)");
        assertArrayEquals(new int[] {-1}, width, "the width, bit for bit");
        assertArrayEquals(new int[] {184}, height);
    }

    @Test
    void anUnknownImageLeavesBothArraysAsTheyWere() {
        StandIn.set("GetImageSize", false);
        StandIn.set("GetImageSize.width", 64);
        StandIn.set("GetImageSize.height", 32);
        int[] width = {7};
        int[] height = {8};
        assertFalse(utils.GetImageSize(-3, width, height));
        assertCalls("GetImageSize(-3, &, &)");
        assertArrayEquals(new int[] {7}, width);
        assertArrayEquals(new int[] {8}, height);
    }

    static Stream<Arguments> unusableSizeArrays() {
        return Stream.of(
                Arguments.of("null width", null, new int[1], NullPointerException.class),
                Arguments.of("empty width", new int[0], new int[1], ArrayIndexOutOfBoundsException.class),
                Arguments.of("null height", new int[1], null, NullPointerException.class),
                Arguments.of("empty height", new int[1], new int[0], ArrayIndexOutOfBoundsException.class));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("unusableSizeArrays")
    void unusableSizeArraysAreRejectedBeforeSteamworks(String label, int[] width, int[] height,
            Class<? extends Throwable> expected) {
        StandIn.set("GetImageSize", true);
        assertThrows(expected, () -> utils.GetImageSize(1, width, height));
        assertCalls();
    }

    static Stream<Arguments> pixelRegions() {
        return Stream.of(
                Arguments.of(10, 30),
                Arguments.of(0, 64),
                Arguments.of(16, 16),
                Arguments.of(64, 64));
    }

    @ParameterizedTest(name = "position {0}, limit {1}")
    @MethodSource("pixelRegions")
    void pixelsLandBetweenPositionAndLimit(int position, int limit) {
        ByteBuffer buffer = filledDirect(64);
        byte[] pixels = new byte[100];
        for (int i = 0; i < pixels.length; i++) {
            pixels[i] = (byte) (i + 1);
        }
        StandIn.set("GetImageRGBA", true);
        StandIn.setBytes("GetImageRGBA.destination", pixels);

        assertTrue(utils.GetImageRGBA(9, buffer, position, limit));
        assertCalls("GetImageRGBA(9, " + StandIn.addressOf(buffer, position) + ", " + (limit - position) + ")");
        for (int i = 0; i < buffer.capacity(); i++) {
            byte expected = i >= position && i < limit ? (byte) (i - position + 1) : UNTOUCHED;
            assertEquals(expected, buffer.get(i), "byte " + i);
        }
    }

    @Test
    void aFailedImageReadReportsFalse() {
        ByteBuffer buffer = filledDirect(16);
        StandIn.set("GetImageRGBA", false);
        assertFalse(utils.GetImageRGBA(9, buffer, 0, 16));
        assertCalls("GetImageRGBA(9, " + StandIn.addressOf(buffer, 0) + ", 16)");
    }

    static Stream<Arguments> unusableRegions() {
        return Stream.of(
                Arguments.of("null buffer", null, 0, 0, NullPointerException.class),
                Arguments.of("heap buffer", ByteBuffer.allocate(64), 0, 64, IllegalArgumentException.class),
                Arguments.of("negative position", filledDirect(64), -1, 10, IllegalArgumentException.class),
                Arguments.of("position above limit", filledDirect(64), 20, 10, IllegalArgumentException.class),
                Arguments.of("limit beyond capacity", filledDirect(64), 0, 65, IllegalArgumentException.class),
                Arguments.of("position beyond capacity", filledDirect(64), 65, 65, IllegalArgumentException.class));
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("unusableRegions")
    void unusableRegionsAreRejectedBeforeSteamworks(String label, ByteBuffer buffer, int position, int limit,
            Class<? extends Throwable> expected) {
        StandIn.set("GetImageRGBA", true);
        StandIn.setBytes("GetImageRGBA.destination", new byte[100]);
        assertThrows(expected, () -> utils.GetImageRGBA(1, buffer, position, limit));
        assertCalls();
        if (buffer != null) {
            for (int i = 0; i < buffer.capacity(); i++) {
                assertEquals(buffer.isDirect() ? UNTOUCHED : 0, buffer.get(i), "byte " + i);
            }
        }
    }

    @Test
    void overlayCallsPassOn() {
        utils.SetOverlayNotificationPosition(3);
        utils.SetOverlayNotificationPosition(-1);
        StandIn.set("IsOverlayEnabled", 1, 0);
        assertTrue(utils.IsOverlayEnabled());
        assertFalse(utils.IsOverlayEnabled());
        assertCalls("SetOverlayNotificationPosition(3)", "SetOverlayNotificationPosition(-1)", "IsOverlayEnabled()",
                "IsOverlayEnabled()");
    }

    @Test
    void aWrapperWithoutInterfaceCallsNothing() {
        SteamUtils none = new SteamUtils(0);
        List<Runnable> natives = List.of(none::GetSecondsSinceAppActive, none::GetSecondsSinceComputerActive,
                none::GetConnectedUniverse, none::GetServerRealTime, none::GetIPCountry,
                () -> none.GetImageSize(1, new int[1], new int[1]),
                () -> none.GetImageRGBA(1, ByteBuffer.allocateDirect(4), 0, 4), none::GetCurrentBatteryPower,
                none::GetAppID, () -> none.SetOverlayNotificationPosition(1), none::IsOverlayEnabled,
                none::GetIPCCallCount);
        for (int i = 0; i < natives.size(); i++) {
            assertThrows(NullPointerException.class, natives.get(i)::run, "native " + i);
        }
        assertCalls();
    }

    @Test
    void theAdapterRegistersInTableOrderAndTearsDownInReverse() {
        ListenerRecorder<NativeUtilsListener> recorder = ListenerRecorder.of(NativeUtilsListener.class);
        utils.setListener(recorder.listener());
        afterTest(() -> utils.setListener(null));
        assertCalls("RegisterCallback(701)", "RegisterCallback(702)", "RegisterCallback(703)",
                "RegisterCallback(704)", "RegisterCallback(705)");
        utils.setListener(null);
        assertCalls("UnregisterCallback(705)", "UnregisterCallback(704)", "UnregisterCallback(703)",
                "UnregisterCallback(702)", "UnregisterCallback(701)");
    }

    @Test
    void everyEventReachesItsListenerMethodWithItsFields() {
        ListenerRecorder<NativeUtilsListener> recorder = ListenerRecorder.of(NativeUtilsListener.class);
        utils.setListener(recorder.listener());
        afterTest(() -> utils.setListener(null));

        postEveryEvent();
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(
                "onIPCountry()",
                "onLowBatteryPower(255)",
                "onLowBatteryPower(7)",
                "onSteamAPICallCompleted(-9223372036854775807)",
                "onSteamAPICallCompleted(1311768467294899695)",
                "onSteamShutdown()",
                "onCheckFileSignature(4)",
                "onCheckFileSignature(-2147483648)"), recorder.take());

        utils.setListener(null);
        postEveryEvent();
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(), recorder.take(), "events after removal");
    }

    @Test
    void aNullListenerGetsNoAdapterAndZeroRemovesNothing() {
        assertThrows(NullPointerException.class, () -> utils.createNativeCallbackAdapter(null));
        utils.removeNativeCallbackAdapter(0);
        assertCalls();
        assertEquals(0, StandIn.liveRegistrations());
    }

    private static void postEveryEvent() {
        StandIn.event(701).post();
        StandIn.event(702).set("m_nMinutesBatteryLeft", 255).post();
        StandIn.event(702).set("m_nMinutesBatteryLeft", 7).post();
        StandIn.event(703).set("m_hAsyncCall", 0x8000000000000001L).post();
        StandIn.event(703).set("m_hAsyncCall", 0x1234567890ABCDEFL).post();
        StandIn.event(704).post();
        StandIn.event(705).set("m_eCheckFileSignature", 4).post();
        StandIn.event(705).set("m_eCheckFileSignature", 0x80000000L).post();
    }

    private static ByteBuffer filledDirect(int capacity) {
        ByteBuffer buffer = ByteBuffer.allocateDirect(capacity);
        for (int i = 0; i < capacity; i++) {
            buffer.put(i, UNTOUCHED);
        }
        return buffer;
    }
}
