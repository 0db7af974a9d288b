package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertEquals;

import java.util.List;
import java.util.function.Supplier;
import java.util.stream.Stream;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;

class UserListenerTest extends NativeTest {
    private SteamUser user;
    private ListenerRecorder<NativeUserListener> recorder;

    @BeforeEach
    void wrapper() {
        user = new SteamUser(SteamAPI.SteamUser());
        recorder = ListenerRecorder.of(NativeUserListener.class);
        calls();
    }

    @Test
    void theAdapterRegistersInTableOrderAndTearsDownInReverse() {
        user.setListener(recorder.listener());
        assertCalls("RegisterCallback(101)", "RegisterCallback(102)", "RegisterCallback(103)",
                "RegisterCallback(113)", "RegisterCallback(117)", "RegisterCallback(143)");
        user.setListener(null);
        assertCalls("UnregisterCallback(143)", "UnregisterCallback(117)", "UnregisterCallback(113)",
                "UnregisterCallback(103)", "UnregisterCallback(102)", "UnregisterCallback(101)");

        StandIn.event(101).post();
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(), recorder.take(), "nothing reaches a removed adapter");
        user.removeNativeCallbackAdapter(0);
        assertCalls();
    }

    static Stream<Arguments> events() {
        return Stream.of(
                Arguments.of(event(() -> StandIn.event(101)), "onSteamServersConnected()"),
                Arguments.of(event(() -> StandIn.event(102).set("m_eResult", 3)), "onSteamServerConnectFailure(3)"),
                Arguments.of(event(() -> StandIn.event(103).set("m_eResult", -2)), "onSteamServersDisconnected(-2)"),
                Arguments.of(event(() -> StandIn.event(113).set("m_uAppID", 0x8000_0000L)
                        .set("m_unGameServerIP", 0xC0A8_0001L).set("m_usGameServerPort", 65535)
                        .set("m_bSecure", 1).set("m_uReason", 4)),
                        "onClientGameServerDeny(-2147483648, -1062731775, 65535, true, 4)"),
                Arguments.of(event(() -> StandIn.event(113).set("m_uAppID", 480).set("m_usGameServerPort", 27015)
                        .set("m_bSecure", 0).set("m_uReason", 0xFFFF_FFFFL)),
                        "onClientGameServerDeny(480, 0, 27015, false, -1)"),
                // the flag is the whole 16-bit field, not only its low byte
                Arguments.of(event(() -> StandIn.event(113).set("m_bSecure", 0x0100)),
                        "onClientGameServerDeny(0, 0, 0, true, 0)"),
                Arguments.of(event(() -> StandIn.event(117).set("m_eFailureType", 255)), "onIPCFailure(255)"),
                Arguments.of(event(() -> StandIn.event(143).set("m_SteamID", 0x8110_0001_0000_0001L)
                        .set("m_eAuthSessionResponse", 5)),
                        "onValidateAuthTicketResponse(-9146810838894510079, 5)"));
    }

    // Events are filled inside the test: the stand-in is reset before each one.
    static Supplier<StandIn.Event> event(Supplier<StandIn.Event> event) {
        return event;
    }

    @ParameterizedTest(name = "{1}")
    @MethodSource("events")
    void eachEventReachesItsMethod(Supplier<StandIn.Event> event, String expected) {
        user.setListener(recorder.listener());
        afterTest(() -> user.setListener(null));
        event.get().post();
        SteamAPI.SteamAPI_RunCallbacks();
        assertEquals(List.of(expected), recorder.take());
    }
}
