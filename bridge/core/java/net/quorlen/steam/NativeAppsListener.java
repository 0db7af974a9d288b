package net.quorlen.steam;

/** Receives the events of the Apps listener adapter. */
public interface NativeAppsListener {
    void onDLCInstalled(int appId);

    /** Every listener has it for failed call results; this adapter has none, so it is never called. */
    void ioError(String methodName);
}
