package net.quorlen.steam;

/** Receives the events of the Utils listener adapter (Part 7.2). */
public interface NativeUtilsListener {
    void onIPCountry();

    /** minutesBatteryLeft is 0 to 255. */
    void onLowBatteryPower(int minutesBatteryLeft);

    void onSteamAPICallCompleted(long asyncCall);

    void onSteamShutdown();

    void onCheckFileSignature(int checkFileSignature);

    /** Part of every listener contract (Part 2.4); this adapter has no call results, so it is not called. */
    void ioError(String methodName);
}
