package net.quorlen.applet;

import java.io.File;

/**
 * Zentrobe's entry point, called by the launcher with its command line as one string. Loads the
 * Steam bridge from the directory the launcher names, plays a short session against Steam and
 * returns.
 */
public final class Launcher {
    private Launcher() {
    }

    public static void main(String[] args) throws InterruptedException {
        String libraryPath = System.getProperty("org.lwjgl.librarypath");
        if (libraryPath == null) {
            System.out.println("org.lwjgl.librarypath is not set: start Zentrobe through its launcher");
            return;
        }
        System.load(new File(libraryPath, System.mapLibraryName("nimbrel")).getAbsolutePath());

        GameLog log = new GameLog();
        Steam steam = Steam.start(log);
        if (steam == null) {
            log.note("Steam is not available; playing offline");
            return;
        }
        try {
            new Session(steam, log).play();
        } finally {
            steam.stop();
        }
    }
}
