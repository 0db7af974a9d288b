package net.quorlen.steam;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.Assertions.fail;

import java.lang.reflect.Array;
import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.lang.reflect.Proxy;
import java.nio.Buffer;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.DoubleBuffer;
import java.nio.LongBuffer;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.EnumSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.stream.Collectors;
import java.util.stream.Stream;
import net.quorlen.standin.StandIn;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.MethodSource;

/**
 * Every native of the seven classes, called with each argument made unusable in
 * turn: the VM survives, the call is rejected with the exception the bridge's
 * rule names, and nothing reaches Steamworks.
 *
 * The shape of each argument comes from the signature: a reference may be
 * null; a buffer followed by two ints is a region (position and limit, or start
 * and end index); any other array is a one-element out-array. The few arrays
 * the signature cannot tell apart are listed in INPUT_ARRAYS below.
 */
class InvalidInputSweepTest extends NativeTest {
    static final List<String> CLASSES = List.of("SteamAPI", "SteamUserStats", "SteamFriends", "SteamRemoteStorage",
            "SteamUser", "SteamApps", "SteamUtils");

    /**
     * Natives with an array that is not an out-array, so "empty" is no fault of
     * it. True: the array followed by an int is counted, the int saying how many
     * elements are used (an int after an out-array, such as the sample rate of
     * the voice natives, is a plain value, so the signature alone cannot tell).
     * False: the native's array is read whole.
     */
    static final Map<String, Boolean> INPUT_ARRAYS = Map.of(
            "SteamUserStats.DownloadLeaderboardEntriesForUsers", true,
            "SteamUserStats.UploadLeaderboardScore", true,
            // the caller says how many details it has room for; Steamworks fills that many
            "SteamUserStats.GetDownloadedLeaderboardEntry", true,
            "SteamFriends.DownloadClanActivityCounts", false);

    /**
     * GetVoice may be given null for the buffer of a kind it does not want (the
     * boolean two places before the buffer). The sweep wants every kind, so there
     * each buffer is required; this case shows null is accepted when unwanted.
     */
    static final String NULLABLE_WHEN_UNWANTED = "SteamUser.GetVoice";

    static final int CAPACITY = 16;
    static final int INPUT_LENGTH = 3;

    enum Fault { NULL_REFERENCE, EMPTY_OUT_ARRAY, HEAP_BUFFER, NEGATIVE_POSITION, LIMIT_BEYOND_CAPACITY,
        REVERSED_REGION, COUNT_BEYOND_ARRAY, NEGATIVE_COUNT, NO_INTERFACE }

    static Stream<Method> natives() throws ClassNotFoundException {
        List<Method> all = new ArrayList<>();
        for (String name : CLASSES) {
            Method[] natives = Arrays.stream(Class.forName("net.quorlen.steam." + name).getDeclaredMethods())
                    .filter(m -> Modifier.isNative(m.getModifiers()))
                    .sorted((a, b) -> a.toGenericString().compareTo(b.toGenericString()))
                    .toArray(Method[]::new);
            assertNotEquals(0, natives.length, "no natives found in " + name);
            all.addAll(Arrays.asList(natives));
        }
        return all.stream();
    }

    /** One unusable variant of a valid call. */
    record Variant(String what, Fault fault, Object[] arguments, Class<? extends Throwable> thrown) {
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("natives")
    void everyUnusableArgumentIsRejectedBeforeSteamworks(Method method) throws Exception {
        String name = method.getDeclaringClass().getSimpleName() + "." + method.getName();
        if (method.getName().equals("createNativeCallbackAdapter")) {
            sweepAdapterCreation(method, name);
            return;
        }
        if (Modifier.isStatic(method.getModifiers()) || method.getName().equals("removeNativeCallbackAdapter")) {
            // No reference arguments and no wrapper: nothing a caller can get wrong.
            assertTrue(Arrays.stream(method.getParameterTypes()).allMatch(Class::isPrimitive), name);
            return;
        }
        Object wrapper = wrapper(method.getDeclaringClass(), true);
        Object[] valid = validArguments(method, name);

        // The valid call on a wrapper without an adapter: one Steamworks call, and
        // an arming native arms nothing, since nobody would hear the result.
        calls();
        invoke(method, wrapper, valid, null, name + " with valid arguments");
        List<String> made = calls();
        assertEquals(1, made.size(), name + " made " + made);
        assertTrue(made.get(0).startsWith(method.getName() + "("), name + " made " + made);
        assertEquals(0, StandIn.liveRegistrations(), name + " armed a slot without an adapter");

        List<Variant> variants = variants(method, name, valid);
        variants.add(new Variant("a wrapper whose interface handle is 0", Fault.NO_INTERFACE, valid,
                NullPointerException.class));
        for (Variant v : variants) {
            Object target = v.fault() == Fault.NO_INTERFACE ? wrapper(method.getDeclaringClass(), false) : wrapper;
            invoke(method, target, v.arguments(), v.thrown(), name + " with " + v.what());
            assertEquals(List.of(), calls(), name + " with " + v.what() + " reached Steamworks");
            assertEquals(0, StandIn.liveRegistrations(), name + " with " + v.what());
        }

        if (name.equals(NULLABLE_WHEN_UNWANTED)) {
            Object[] unwanted = valid.clone();
            for (int i = 0; i + 2 < unwanted.length; i++) {
                if (unwanted[i] instanceof Boolean && isBuffer(method.getParameterTypes()[i + 1])) {
                    unwanted[i] = false;
                    unwanted[i + 1] = null;
                }
            }
            invoke(method, wrapper, unwanted, null, name + " with null buffers of unwanted kinds");
            assertEquals(1, calls().size(), name + " with null buffers of unwanted kinds");
        }
    }

    /** A null listener makes no adapter and registers nothing. */
    void sweepAdapterCreation(Method method, String name) throws Exception {
        Object wrapper = wrapper(method.getDeclaringClass(), true);
        Class<?> listenerType = method.getParameterTypes()[0];
        Object listener = Proxy.newProxyInstance(listenerType.getClassLoader(), new Class<?>[] {listenerType},
                (proxy, m, args) -> null);
        long handle = (Long) invoke(method, wrapper, new Object[] {listener}, null, name + " with a listener");
        assertNotEquals(0L, handle, name);
        method.getDeclaringClass().getMethod("removeNativeCallbackAdapter", long.class).invoke(wrapper, handle);
        assertEquals(0, StandIn.liveRegistrations(), name + " left registrations after removal");
        calls();

        invoke(method, wrapper, new Object[] {null}, NullPointerException.class, name + " with a null listener");
        assertEquals(List.of(), calls(), name + " with a null listener");
        assertEquals(0, StandIn.liveRegistrations(), name + " with a null listener registered callbacks");
    }

    /** Arguments that the native accepts and hands on. */
    static Object[] validArguments(Method method, String name) {
        Class<?>[] types = method.getParameterTypes();
        Object[] args = new Object[types.length];
        for (int i = 0; i < types.length; i++) {
            Class<?> type = types[i];
            if (isBuffer(type)) {
                args[i] = directBuffer(type);
                args[i + 1] = 0;
                args[i + 2] = CAPACITY;
                i += 2;
            } else if (type.isArray()) {
                ArrayKind kind = arrayKind(name, types, i);
                args[i] = Array.newInstance(type.getComponentType(), kind == ArrayKind.OUT ? 1 : INPUT_LENGTH);
                if (kind == ArrayKind.COUNTED) {
                    args[++i] = INPUT_LENGTH;
                }
            } else if (type == String.class) {
                args[i] = "x";
            } else if (type == boolean.class) {
                args[i] = true;
            } else if (type == int.class) {
                args[i] = 0;
            } else if (type == long.class) {
                args[i] = 0L;
            } else if (type == float.class) {
                args[i] = 0f;
            } else if (type == double.class) {
                args[i] = 0d;
            } else {
                fail(name + ": no valid value known for " + type);
            }
        }
        return args;
    }

    /** Each argument made unusable in turn, every other one left valid. */
    static List<Variant> variants(Method method, String name, Object[] valid) {
        Class<?>[] types = method.getParameterTypes();
        List<Variant> out = new ArrayList<>();
        for (int i = 0; i < types.length; i++) {
            Class<?> type = types[i];
            if (type.isPrimitive()) {
                continue;
            }
            out.add(variant("argument " + i + " null", Fault.NULL_REFERENCE, valid, NullPointerException.class,
                    i, null));
            if (isBuffer(type)) {
                out.add(variant("argument " + i + " a heap buffer", Fault.HEAP_BUFFER, valid,
                        IllegalArgumentException.class, i, heapBuffer(type)));
                out.add(variant("position -1", Fault.NEGATIVE_POSITION, valid, IllegalArgumentException.class,
                        i + 1, -1));
                out.add(variant("limit beyond the capacity", Fault.LIMIT_BEYOND_CAPACITY, valid,
                        IllegalArgumentException.class, i + 2, CAPACITY + 1));
                Variant reversed = variant("position after the limit", Fault.REVERSED_REGION, valid,
                        IllegalArgumentException.class, i + 1, 5);
                reversed.arguments()[i + 2] = 4;
                out.add(reversed);
                i += 2;
            } else if (type.isArray()) {
                ArrayKind kind = arrayKind(name, types, i);
                if (kind == ArrayKind.OUT) {
                    out.add(variant("argument " + i + " an empty out-array", Fault.EMPTY_OUT_ARRAY, valid,
                            ArrayIndexOutOfBoundsException.class, i, Array.newInstance(type.getComponentType(), 0)));
                } else if (kind == ArrayKind.COUNTED) {
                    out.add(variant("a count beyond its array", Fault.COUNT_BEYOND_ARRAY, valid,
                            ArrayIndexOutOfBoundsException.class, i + 1, INPUT_LENGTH + 1));
                    out.add(variant("a negative count", Fault.NEGATIVE_COUNT, valid,
                            ArrayIndexOutOfBoundsException.class, i + 1, -1));
                    i += 1;
                }
            }
        }
        return out;
    }

    enum ArrayKind { OUT, COUNTED, WHOLE }

    static ArrayKind arrayKind(String name, Class<?>[] types, int index) {
        Boolean counted = INPUT_ARRAYS.get(name);
        boolean countFollows = index + 1 < types.length && types[index + 1] == int.class;
        if (counted == null || (counted && !countFollows)) {
            return ArrayKind.OUT;
        }
        return counted ? ArrayKind.COUNTED : ArrayKind.WHOLE;
    }

    static Variant variant(String what, Fault fault, Object[] valid, Class<? extends Throwable> thrown, int index,
            Object value) {
        Object[] args = valid.clone();
        args[index] = value;
        return new Variant(what, fault, args, thrown);
    }

    static boolean isBuffer(Class<?> type) {
        return Buffer.class.isAssignableFrom(type);
    }

    static Buffer directBuffer(Class<?> type) {
        ByteBuffer bytes = ByteBuffer.allocateDirect(CAPACITY * 8).order(ByteOrder.nativeOrder());
        if (type == ByteBuffer.class) {
            return ByteBuffer.allocateDirect(CAPACITY);
        } else if (type == LongBuffer.class) {
            return bytes.asLongBuffer();
        } else if (type == DoubleBuffer.class) {
            return bytes.asDoubleBuffer();
        }
        throw new AssertionError("no buffer of " + type);
    }

    static Buffer heapBuffer(Class<?> type) {
        if (type == ByteBuffer.class) {
            return ByteBuffer.allocate(CAPACITY);
        } else if (type == LongBuffer.class) {
            return LongBuffer.allocate(CAPACITY);
        } else if (type == DoubleBuffer.class) {
            return DoubleBuffer.allocate(CAPACITY);
        }
        throw new AssertionError("no buffer of " + type);
    }

    /** A wrapper of the class on the stand-in's interface, or on the handle 0. */
    static Object wrapper(Class<?> type, boolean withInterface) throws Exception {
        long handle = withInterface ? (Long) SteamAPI.class.getMethod(type.getSimpleName()).invoke(null) : 0L;
        if (withInterface) {
            assertNotEquals(0L, handle, type.getSimpleName());
        }
        return type.getConstructor(long.class).newInstance(handle);
    }

    /** Calls the native; `thrown` is the exception it must throw, or null for none. */
    static Object invoke(Method method, Object target, Object[] args, Class<? extends Throwable> thrown, String what)
            throws IllegalAccessException {
        try {
            Object result = method.invoke(target, args);
            if (thrown != null) {
                fail(what + ": expected " + thrown.getSimpleName() + ", nothing was thrown");
            }
            return result;
        } catch (InvocationTargetException e) {
            Throwable cause = e.getCause();
            if (thrown == null || cause.getClass() != thrown) {
                throw new AssertionError(what + ": expected " + (thrown == null ? "no exception" : thrown.getSimpleName())
                        + ", got " + cause, cause);
            }
            return null;
        }
    }

    @Test
    void theSignaturesYieldEveryKindOfFault() throws Exception {
        Set<Fault> derivable = EnumSet.noneOf(Fault.class);
        for (Method method : natives().collect(Collectors.toList())) {
            if (Modifier.isStatic(method.getModifiers()) || method.getName().endsWith("NativeCallbackAdapter")) {
                continue;
            }
            String name = method.getDeclaringClass().getSimpleName() + "." + method.getName();
            variants(method, name, validArguments(method, name)).forEach(v -> derivable.add(v.fault()));
        }
        derivable.add(Fault.NO_INTERFACE);
        assertEquals(EnumSet.allOf(Fault.class), derivable);
        for (String input : INPUT_ARRAYS.keySet()) {
            String[] parts = input.split("\\.");
            assertTrue(Arrays.stream(Class.forName("net.quorlen.steam." + parts[0]).getDeclaredMethods())
                    .anyMatch(m -> m.getName().equals(parts[1])), input + " is no native");
        }
        assertFalse(INPUT_ARRAYS.containsKey(NULLABLE_WHEN_UNWANTED));
    }
}
