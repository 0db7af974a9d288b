// The options with which the game's VM is created, in the order in which the VM receives them.
#pragma once

#include <string>
#include <vector>

namespace launcher {

// Options 1 to 14: the class path, then the heap, collector, compiler and property settings.
std::vector<std::string> fixedVmOptions(char classPathSeparator);

// Option 15: where LWJGL finds its native libraries, the program directory in the bytes the VM
// reads option text in.
std::string libraryPathOption(const std::string& programDirectory);

}  // namespace launcher
