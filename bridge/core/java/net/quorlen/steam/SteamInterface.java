package net.quorlen.steam;

import java.util.function.LongConsumer;
import java.util.function.LongSupplier;

/** A wrapper of one Steamworks interface: its handle, and the listener adapter attached to it. */
public abstract class SteamInterface extends SteamObject implements ISteamObject {
    private final long pointer;

    protected SteamInterface(long pointer) {
        this.pointer = pointer;
    }

    @Override
    public long getPointer() {
        return pointer;
    }

    /**
     * Removes the current adapter (through `remove`), then attaches the one that
     * `create` makes, if any. The handle is cleared first, so no native finds an
     * adapter that is being removed.
     */
    protected final void replaceAdapter(LongConsumer remove, LongSupplier create) {
        long old = getNativeAdapter();
        setNativeAdapter(0);
        if (old != 0) {
            remove.accept(old);
        }
        if (create != null) {
            setNativeAdapter(create.getAsLong());
        }
    }
}
