// The command line that the game's main receives: one string, whatever the platform hands us.
#pragma once

#include <string>
#include <string_view>

namespace launcher {

// The argument part of a Windows command line, exactly as the C runtime hands it to WinMain: the
// program name (quoted or not) is dropped with the blanks and control characters after it; quotes
// and inner spacing stay as typed.
std::u16string_view argumentPart(std::u16string_view commandLine);

// The arguments of a program started with argv, as one line: separated by single blanks.
std::string joinArguments(int argc, const char* const* argv);

}  // namespace launcher
