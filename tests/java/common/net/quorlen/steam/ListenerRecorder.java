package net.quorlen.steam;

import java.lang.reflect.Proxy;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * A listener of any listener interface that writes down every call it gets,
 * as "method(arg, arg)": strings quoted, chars as unsigned numbers, long[] as
 * [a, b]. Optionally throws from one method, to show how the bridge copes.
 */
public final class ListenerRecorder<L> {
    private final List<String> events = new ArrayList<>();
    private final L listener;
    private String throwFrom;
    private Runnable onEvent;

    private ListenerRecorder(Class<L> type) {
        this.listener = type.cast(Proxy.newProxyInstance(type.getClassLoader(), new Class<?>[] {type}, (proxy, method, args) -> {
            switch (method.getName()) {
                case "hashCode":
                    return System.identityHashCode(proxy);
                case "equals":
                    return proxy == args[0];
                case "toString":
                    return "recorder of " + type.getSimpleName();
                default:
                    break;
            }
            events.add(describe(method.getName(), args));
            if (onEvent != null) {
                onEvent.run();
            }
            if (method.getName().equals(throwFrom)) {
                throw new IllegalStateException("listener failed on purpose");
            }
            return null;
        }));
    }

    public static <L> ListenerRecorder<L> of(Class<L> type) {
        return new ListenerRecorder<>(type);
    }

    public L listener() {
        return listener;
    }

    /** The calls received since the last take. */
    public List<String> take() {
        List<String> taken = new ArrayList<>(events);
        events.clear();
        return taken;
    }

    /** Makes the listener throw from `method` (after recording the call). */
    public ListenerRecorder<L> throwFrom(String method) {
        this.throwFrom = method;
        return this;
    }

    /** Runs `action` inside every listener call, after recording it. */
    public ListenerRecorder<L> onEvent(Runnable action) {
        this.onEvent = action;
        return this;
    }

    static String describe(String name, Object[] args) {
        StringBuilder text = new StringBuilder(name).append('(');
        for (int i = 0; args != null && i < args.length; i++) {
            if (i > 0) {
                text.append(", ");
            }
            text.append(describe(args[i]));
        }
        return text.append(')').toString();
    }

    static String describe(Object value) {
        if (value instanceof String) {
            return "\"" + value + "\"";
        }
        if (value instanceof Character) {
            return Integer.toString((Character) value);
        }
        if (value instanceof long[]) {
            return Arrays.toString((long[]) value);
        }
        return String.valueOf(value);
    }
}
