package net.quorlen.applet;

import java.io.IOException;
import java.lang.management.ManagementFactory;
import java.net.JarURLConnection;
import java.net.URL;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.Arrays;
import java.util.Enumeration;
import java.util.List;

/**
 * The game's entry point as the launcher's tests have it: it reports, one "key=value" line each,
 * what it was given and where it runs, and acts on the words of its command line: "throw" (main
 * throws), "thread" (main returns while a non-daemon thread still works), "hold=DIR" (main creates
 * DIR/running and returns once DIR/release exists). Every character outside printable ASCII is
 * reported as \\uXXXX, so that the report does not depend on the output's encoding.
 */
public final class Launcher {
  private static final String[] PROPERTIES = {
    "java.class.path",
    "org.lwjgl.util.NoChecks",
    "net.quorlen.applet.Launcher.resources",
    "net.quorlen.applet.Game.gameResource",
    "java.net.preferIPv4Stack",
    "org.lwjgl.librarypath",
    "user.dir",
    "zentrobe.leak",
  };

  private Launcher() {}

  public static void main(String[] args) throws Exception {
    report("args.length", String.valueOf(args.length));
    for (String arg : args) report("arg", arg);
    for (String key : PROPERTIES) report(key, System.getProperty(key));
    for (String option : ManagementFactory.getRuntimeMXBean().getInputArguments()) report("vm.option", option);
    report("archive", Paths.get(Launcher.class.getProtectionDomain().getCodeSource().getLocation().toURI()).toString());
    Enumeration<URL> markers = ClassLoader.getSystemResources("zentrobe-archive.txt");
    while (markers.hasMoreElements()) {
      URL jar = ((JarURLConnection) markers.nextElement().openConnection()).getJarFileURL();
      report("archive", Paths.get(jar.toURI()).toString());
    }

    List<String> words = Arrays.asList(args[0].split(" "));
    for (String word : words) {
      if (word.startsWith("hold=")) hold(Paths.get(word.substring("hold=".length())));
    }
    if (words.contains("thread")) {
      Thread worker = new Thread(() -> {
        pause(1500);
        report("thread", "finished");
      });
      worker.start();
    }
    if (words.contains("throw")) throw new IllegalStateException("thrown by the test game");
    report("main", "returned");
  }

  private static void hold(Path directory) throws IOException {
    Files.createFile(directory.resolve("running"));
    for (int i = 0; i < 3000 && !Files.exists(directory.resolve("release")); i++) pause(20);
  }

  private static void pause(long milliseconds) {
    try {
      Thread.sleep(milliseconds);
    } catch (InterruptedException e) {
      Thread.currentThread().interrupt();
    }
  }

  private static void report(String key, String value) {
    StringBuilder line = new StringBuilder(key).append('=');
    if (value == null) {
      line.append("(null)");
    } else {
      for (char c : value.toCharArray()) {
        if (c >= 0x20 && c < 0x7F) line.append(c);
        else line.append(String.format("\\u%04x", (int) c));
      }
    }
    System.out.println(line);
  }
}
