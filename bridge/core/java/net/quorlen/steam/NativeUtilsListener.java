package net.quorlen.steam;

/** Receives the events of the Utils listener adapter. */
public interface NativeUtilsListener {
    void onIPCountry();

    /** minutesBatteryLeft is 0 to 255. */
    void onLowBatteryPower(int minutesBatteryLeft);

    void onSteamAPICallCompleted(long asyncCall);

    void onSteamShutdown();

    void onCheckFileSignature(int checkFileSignature);

    /** Every listener has it for failed call results; this adapter has none, so it is never called. */
    void ioError(String methodName);
}
