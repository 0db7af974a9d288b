package net.quorlen.bench;

import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Path;
import java.time.Instant;
import java.util.ArrayList;
import java.util.List;

/**
 * Time from process start to the game's main: the launcher in its game folder
 * beside the JDK's java command starting the same class with the same options
 * on the same VM. The two alternate, so drift in the machine's load hits both.
 */
final class LauncherStart {
    /** The launcher's archives and settings, handed to java as the launcher hands them to its VM. */
    static final List<String> ARCHIVES = List.of("zentrobe.jar", "assets-steam.jar", "levels.jar", "graphics.jar",
            "typefaces.jar", "pictures.jar", "soundtrack.jar", "effects-mono.jar", "effects-stereo.jar", "store.jar",
            "engine.jar", "shared.jar", "vorbis.jar", "gl.jar", "gl-util.jar", "input.jar", "json.jar", "compat.jar",
            "nimbrel-public.jar", "services.jar", "nimbrel.jar");
    static final List<String> SETTINGS = List.of("-Xms64m", "-Xmx256m", "-XX:MaxGCPauseMillis=3", "-Xincgc",
            "-Dorg.lwjgl.util.NoChecks=false", "-Dnet.quorlen.applet.Launcher.resources=resources-steam.dat",
            "-Dnet.quorlen.applet.Game.gameResource=game.steam", "-XX:+TieredCompilation",
            "-XX:Tier2CompileThreshold=70000", "-XX:CompileThreshold=1500", "-XX:+DoEscapeAnalysis",
            "-XX:+AggressiveOpts", "-Djava.net.preferIPv4Stack=true");

    private final Table table;
    private final int warmups;
    private final int rounds;

    LauncherStart(Table table, int warmups, int rounds) {
        this.table = table;
        this.warmups = warmups;
        this.rounds = rounds;
    }

    void run(Path launcher, Path folder, Path java) throws Exception {
        List<String> launcherCommand = List.of(launcher.toString());
        List<String> javaCommand = new ArrayList<>(List.of(java.toString(), "-cp", String.join(":", ARCHIVES)));
        javaCommand.addAll(SETTINGS);
        javaCommand.add("-Dorg.lwjgl.librarypath=" + folder);
        javaCommand.add("net.quorlen.applet.Launcher");
        javaCommand.add("");
        for (int i = 0; i < warmups; i++) {
            millisToMain(launcherCommand, folder);
            millisToMain(javaCommand, folder);
        }
        double[] viaLauncher = new double[rounds];
        double[] viaJava = new double[rounds];
        double[] ratios = new double[rounds];
        for (int i = 0; i < rounds; i++) {
            viaLauncher[i] = millisToMain(launcherCommand, folder);
            viaJava[i] = millisToMain(javaCommand, folder);
            ratios[i] = viaLauncher[i] / viaJava[i];
        }
        table.section("Start: milliseconds from process start to the game's `main`");
        Measure.Result javaResult = Measure.of(viaJava);
        Measure.Result launcherResult = Measure.of(viaLauncher);
        table.row("`java` command, same class, options and VM (the floor)", javaResult, "ms", "1.0×");
        table.row("`launcher`", launcherResult, "ms", Table.ratio(launcherResult.median(), javaResult.median()));
        table.row("launcher ÷ java, round by round", Measure.of(ratios), "ratio", "");
    }

    /** The launcher's exit code when another copy holds the machine's single-instance lock. */
    static final int ALREADY_RUNNING = 6;

    /**
     * Starts the command in the folder and returns the milliseconds until the
     * game's main reported. Another copy of the game (a test, a demo) holds the
     * lock for a few seconds at most, so a start it refuses is tried again.
     */
    static double millisToMain(List<String> command, Path folder) throws IOException, InterruptedException {
        for (int attempt = 0; ; attempt++) {
            try {
                return attempt(command, folder);
            } catch (AlreadyRunning e) {
                if (attempt == 300) {
                    throw new IllegalStateException("another copy of the game kept running for a minute");
                }
                Thread.sleep(200);
            }
        }
    }

    static final class AlreadyRunning extends Exception {
        private static final long serialVersionUID = 1L;
    }

    static double attempt(List<String> command, Path folder)
            throws IOException, InterruptedException, AlreadyRunning {
        ProcessBuilder builder = new ProcessBuilder(command).directory(folder.toFile());
        // OpenJDK 17 no longer knows two of the launcher's settings.
        builder.environment().put("JAVA_TOOL_OPTIONS", "-XX:+IgnoreUnrecognizedVMOptions");
        builder.environment().remove("_JAVA_OPTIONS");
        builder.redirectErrorStream(true);
        long started = nanosSinceEpoch(Instant.now());
        Process process = builder.start();
        String output = new String(process.getInputStream().readAllBytes(), StandardCharsets.UTF_8);
        int code = process.waitFor();
        if (code == ALREADY_RUNNING) {
            throw new AlreadyRunning();
        }
        if (code != 0) {
            throw new IllegalStateException(command.get(0) + " ended with " + code + ":\n" + output);
        }
        for (String line : output.split("\n")) {
            if (line.startsWith("main-at=")) {
                return (Long.parseLong(line.substring("main-at=".length()).trim()) - started) / 1e6;
            }
        }
        throw new IllegalStateException(command.get(0) + " did not reach main:\n" + output);
    }

    static long nanosSinceEpoch(Instant instant) {
        return instant.getEpochSecond() * 1_000_000_000L + instant.getNano();
    }
}
