#include "vm_options.h"

namespace launcher {
namespace {

// Relative names: the VM resolves them against the working directory, the program directory.
constexpr const char* kArchives[] = {
    "zentrobe.jar",      "assets-steam.jar", "levels.jar",         "graphics.jar",
    "typefaces.jar",     "pictures.jar",     "soundtrack.jar",     "effects-mono.jar",
    "effects-stereo.jar", "store.jar",       "engine.jar",         "shared.jar",
    "vorbis.jar",        "gl.jar",           "gl-util.jar",        "input.jar",
    "json.jar",          "compat.jar",       "nimbrel-public.jar", "services.jar",
    "nimbrel.jar",
};

constexpr const char* kClassPathOption = "-Djava.class.path=";

constexpr const char* kSettings[] = {
    "-Xms64m",
    "-Xmx256m",
    "-XX:MaxGCPauseMillis=3",
    "-Xincgc",
    "-Dorg.lwjgl.util.NoChecks=false",
    "-Dnet.quorlen.applet.Launcher.resources=resources-steam.dat",
    "-Dnet.quorlen.applet.Game.gameResource=game.steam",
    "-XX:+TieredCompilation",
    "-XX:Tier2CompileThreshold=70000",
    "-XX:CompileThreshold=1500",
    "-XX:+DoEscapeAnalysis",
    "-XX:+AggressiveOpts",
    "-Djava.net.preferIPv4Stack=true",
};

constexpr const char* kLibraryPathOption = "-Dorg.lwjgl.librarypath=";

}  // namespace

std::vector<std::string> fixedVmOptions(char classPathSeparator) {
  std::string classPath = kClassPathOption;
  for (const char* archive : kArchives) {
    if (archive != kArchives[0]) classPath += classPathSeparator;
    classPath += archive;
  }
  std::vector<std::string> options{classPath};
  options.insert(options.end(), std::begin(kSettings), std::end(kSettings));
  return options;
}

std::string libraryPathOption(const std::string& programDirectory) {
  return kLibraryPathOption + programDirectory;
}

}  // namespace launcher
