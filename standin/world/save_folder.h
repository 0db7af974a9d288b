// Files of the save folder, replaced as a whole: a half-written save never
// takes the place of a good one.
#pragma once

#include <string>

namespace standin::world {

// steam-save in the directory of the stand-in library itself.
std::string defaultSaveFolder();

// The file's text, or "" when it does not exist or cannot be read.
std::string readSaved(const std::string& folder, const std::string& file);

// Writes a temporary file beside the target, flushes it to the disk and
// renames it over the target. False, with the old file intact, on any failure.
bool writeSaved(const std::string& folder, const std::string& file, const std::string& text);

}  // namespace standin::world
