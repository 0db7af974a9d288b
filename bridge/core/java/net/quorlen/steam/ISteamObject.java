package net.quorlen.steam;

/** A Java object that carries the handle of a Steamworks interface. */
public interface ISteamObject {
    /** The interface handle: the interface object's address, widened to 64 bits. */
    long getPointer();
}
