#include "command_line.h"

namespace launcher {

std::u16string_view argumentPart(std::u16string_view commandLine) {
  constexpr char16_t kQuote = u'"';
  constexpr char16_t kBlank = u' ';
  std::size_t at = 0;
  const std::size_t end = commandLine.size();
  if (at < end && commandLine[at] == kQuote) {
    // A quoted name ends at the next quote, wherever the following blank is.
    ++at;
    while (at < end && commandLine[at] != kQuote) ++at;
    if (at < end) ++at;
  } else {
    while (at < end && commandLine[at] > kBlank) ++at;
  }
  while (at < end && commandLine[at] <= kBlank) ++at;
  return commandLine.substr(at);
}

std::string joinArguments(int argc, const char* const* argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  return line;
}

}  // namespace launcher
