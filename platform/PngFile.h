// Writing a frame read back from GL as a PNG picture (libpng).
#pragma once

#include <string>
#include <vector>

// rgba: width * height pixels, bottom row first (as glReadPixels gives them);
// the file has the top row first. False when the file cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<unsigned char>& rgba);
