// The start of the game: from the single-instance lock to the end of the game's main.
#pragma once

#include <string>

namespace launcher {

// Runs the game with the command line handed to its main (modified UTF-8) and returns the exit code.
int start(const std::string& commandLine);

}  // namespace launcher
