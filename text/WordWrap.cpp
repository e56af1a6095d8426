// Word wrap of the help texts.
#include "text/WordWrap.h"

namespace NText
{
std::vector<std::string> WrapWords(std::string_view text, const CFontMetrics& font, float size, float limit)
{
    std::vector<std::string> lines;
    std::string line;
    std::string word;
    // The closing carriage return ends the last line.
    const auto take = [&](char c)
    {
        if (c != ' ' && c != '\r')
        {
            // A zero byte would end the line early when it is drawn.
            if (c != '\n' && c != '\0')
                word += c;
            return;
        }
        if (font.Width(line, size) + font.Width(word, size) >= limit)
        {
            lines.push_back(line);
            line = word + ' ';
        }
        else
            line += word + ' ';
        word.clear();
        if (c == '\r')
        {
            lines.push_back(line);
            line.clear();
        }
    };
    for (const char c : text)
        take(c);
    take('\r');
    return lines;
}
} // namespace NText
