import net.quorlen.steam.SteamAPI;

/** Loads nimbrel, starts Steamworks (the stand-in), obtains every handle, pumps events, shuts down. */
public final class FirstContact {
    public static void main(String[] args) {
        System.loadLibrary("nimbrel");
        System.out.println("SteamAPI_Init -> " + SteamAPI.SteamAPI_Init());
        System.out.println("SteamAPI_IsSteamRunning -> " + SteamAPI.SteamAPI_IsSteamRunning());
        System.out.printf("SteamUserStats     -> 0x%x%n", SteamAPI.SteamUserStats());
        System.out.printf("SteamFriends       -> 0x%x%n", SteamAPI.SteamFriends());
        System.out.printf("SteamRemoteStorage -> 0x%x%n", SteamAPI.SteamRemoteStorage());
        System.out.printf("SteamUser          -> 0x%x%n", SteamAPI.SteamUser());
        System.out.printf("SteamApps          -> 0x%x%n", SteamAPI.SteamApps());
        System.out.printf("SteamUtils         -> 0x%x%n", SteamAPI.SteamUtils());
        for (int frame = 0; frame < 3; frame++) {
            SteamAPI.SteamAPI_RunCallbacks();
        }
        System.out.println("SteamAPI_RunCallbacks x3");
        SteamAPI.SteamAPI_Shutdown();
        System.out.println("SteamAPI_Shutdown");
    }
}
