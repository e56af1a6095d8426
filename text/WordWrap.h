// Word wrap by the bitmap font's own widths: the help screen shows its texts
// in these lines, and the data generator sizes the text blocks by them.
#pragma once

#include "text/FontMetrics.h"

#include <string>
#include <string_view>
#include <vector>

namespace NText
{
// Words (separated by spaces) fill a line until the next would make it reach
// `limit`; a word wider than a line stands alone on it (after an empty line
// when it comes first). Carriage returns end a line, line feeds and zero bytes
// are dropped, and every line ends with a space.
std::vector<std::string> WrapWords(std::string_view text, const CFontMetrics& font, float size, float limit);
} // namespace NText
