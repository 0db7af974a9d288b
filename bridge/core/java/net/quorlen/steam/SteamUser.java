package net.quorlen.steam;

import java.nio.ByteBuffer;

/** The user's identity, game-server connections, auth sessions and voice. */
public class SteamUser extends SteamInterface {
    public SteamUser(long pointer) {
        super(pointer);
    }

    /** Attaches a listener, removing the adapter of an earlier one; null only detaches. */
    public void setListener(NativeUserListener listener) {
        replaceAdapter(this::removeNativeCallbackAdapter, listener == null ? null : () -> createNativeCallbackAdapter(listener));
    }

    // Listener adapter
    public native long createNativeCallbackAdapter(NativeUserListener listener);

    public native void removeNativeCallbackAdapter(long handle);

    // Identity, game connections and auth sessions; buffer regions run from position to limit
    public native long GetSteamID();

    public native boolean BLoggedOn();

    public native boolean BIsBehindNAT();

    public native int InitiateGameConnection(ByteBuffer authBlob, int position, int limit, long steamIdGameServer,
            int serverIp, int serverPort, boolean secure);

    public native void TerminateGameConnection(int serverIp, int serverPort);

    public native boolean GetUserDataFolder(String[] folder);

    public native int GetAuthSessionTicket(ByteBuffer ticket, int position, int limit, int[] ticketLength);

    public native int BeginAuthSession(ByteBuffer ticket, int position, int limit, long steamIdTicketOwner);

    public native void EndAuthSession(long steamIdUser);

    public native void CancelAuthTicket(int authTicket);

    public native void AdvertiseGame(long steamIdGameServer, int serverIp, int serverPort);

    // Voice
    public native void StartVoiceRecording();

    public native void StopVoiceRecording();

    public native int GetAvailableVoice(int[] compressedBytes, int[] uncompressedBytes, int desiredSampleRate);

    public native int GetVoice(boolean wantCompressed, ByteBuffer compressed, int compressedPosition,
            int compressedLimit, int[] compressedBytesWritten, boolean wantUncompressed, ByteBuffer uncompressed,
            int uncompressedPosition, int uncompressedLimit, int[] uncompressedBytesWritten,
            int desiredSampleRate);

    public native int DecompressVoice(ByteBuffer compressed, int compressedPosition, int compressedLimit,
            ByteBuffer destination, int destinationPosition, int destinationLimit, int[] bytesWritten,
            int desiredSampleRate);

    public native int GetVoiceOptimalSampleRate();
}
