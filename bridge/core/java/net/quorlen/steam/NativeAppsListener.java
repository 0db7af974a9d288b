package net.quorlen.steam;

/** Receives the events of the Apps listener adapter (Part 7.1). */
public interface NativeAppsListener {
    void onDLCInstalled(int appId);

    /** Part of every listener contract (Part 2.4); this adapter has no call results, so it is not called. */
    void ioError(String methodName);
}
