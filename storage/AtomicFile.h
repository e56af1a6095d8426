// Whole-file writes that never leave a half-written file behind.
#pragma once

#include <string>

// Writes to a temporary file in the same folder, flushes it to the disk and
// renames it over the target. On failure the old file is untouched.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);
