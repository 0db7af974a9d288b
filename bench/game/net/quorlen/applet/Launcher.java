package net.quorlen.applet;

import java.time.Instant;

/** The benchmark's game: reports the wall-clock time at which main was reached, and returns. */
public final class Launcher {
    private Launcher() {
    }

    public static void main(String[] args) {
        Instant now = Instant.now();
        System.out.println("main-at=" + (now.getEpochSecond() * 1_000_000_000L + now.getNano()));
    }
}
