// Whole-file reads and writes; writes never leave a half-written file behind.
#pragma once

#include <string>

// Writes to a temporary file in the same folder, flushes it to the disk and
// renames it over the target. On failure the old file is untouched. The file
// gets `mode` (0600 suits the private per-user files).
bool WriteFileAtomically(const std::string& path, const std::string& bytes, unsigned mode = 0600);

// Removes the temporary files that saves of `path` interrupted by a crash or
// a kill left beside it (the target itself is never touched).
void RemoveLeftoverTemporaries(const std::string& path);

// The whole content of a regular file; false (bytes cleared) when it cannot be
// opened or read, so a folder or an unreadable file never passes as empty.
bool ReadWholeFile(const std::string& path, std::string& bytes);
