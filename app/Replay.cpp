// Parsing and playing back replay scripts.
#include "app/Replay.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace
{
constexpr std::size_t kMaxScriptBytes = 16 * 1024 * 1024;

bool ToInt(const std::string& word, long low, long high, long& value)
{
    if (word.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtol(word.c_str(), &end, 10);
    return errno == 0 && end && *end == '\0' && value >= low && value <= high;
}

// Reads the event of one line (its words, the frame first) into `event`;
// returns why it cannot, or nothing.
std::string ParseEvent(const std::vector<std::string>& parts, CReplayEvent& event)
{
    const std::string& name = parts[1];
    const std::size_t args = parts.size() - 2;
    struct CMouseName
    {
        const char* m_name;
        CPlatformEvent::EType m_type;
        std::uint32_t m_flags;
    };
    static const CMouseName kMouse[] = {
        {"move", CPlatformEvent::kMouseMove, 0}, {"ldown", CPlatformEvent::kLButtonDown, kMouseFlagLButton},
        {"lup", CPlatformEvent::kLButtonUp, 0},  {"rdown", CPlatformEvent::kRButtonDown, kMouseFlagRButton},
        {"rup", CPlatformEvent::kRButtonUp, 0},
    };
    const auto mouse = std::find_if(std::begin(kMouse), std::end(kMouse),
                                    [&](const CMouseName& m) { return name == m.m_name; });
    if (mouse != std::end(kMouse))
    {
        long x = 0;
        long y = 0;
        if (args != 2 || !ToInt(parts[2], -32768, 32767, x) || !ToInt(parts[3], -32768, 32767, y))
            return name + " needs X Y (client pixels)";
        event.m_input.m_type = mouse->m_type;
        event.m_input.m_x = static_cast<int>(x);
        event.m_input.m_y = static_cast<int>(y);
        event.m_input.m_flags = mouse->m_flags;
    }
    else if (name == "key" || name == "char")
    {
        long code = 0;
        if (args != 1 || !ToInt(parts[2], 1, 255, code))
            return name + " needs a CODE from 1 to 255";
        event.m_input.m_type = name == "key" ? CPlatformEvent::kKeyDown : CPlatformEvent::kChar;
        event.m_input.m_value = static_cast<int>(code);
    }
    else if (name == "screenshot")
    {
        if (args != 1)
            return "screenshot needs one PATH (no spaces)";
        event.m_kind = CReplayEvent::kScreenshot;
        event.m_path = parts[2];
    }
    else if (name == "quit")
    {
        if (args != 0)
            return "quit takes no arguments";
        event.m_kind = CReplayEvent::kQuit;
    }
    else
        return "unknown event '" + name + "'";
    return {};
}
} // namespace

bool CReplay::Parse(const std::string& text, std::string& error)
{
    std::vector<CReplayEvent> events;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line))
    {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::istringstream words(line);
        std::vector<std::string> parts;
        for (std::string word; words >> word;)
            parts.push_back(word);
        if (parts.empty() || parts[0][0] == '#')
            continue;
        const auto fail = [&](const std::string& why)
        {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        };
        long frame = 0;
        if (!ToInt(parts[0], 0, 0x7fffffffL, frame))
            return fail("bad frame number '" + parts[0] + "'");
        if (parts.size() < 2)
            return fail("no event");
        CReplayEvent event;
        event.m_frame = static_cast<std::uint32_t>(frame);
        const std::string why = ParseEvent(parts, event);
        if (!why.empty())
            return fail(why);
        events.push_back(event);
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const CReplayEvent& a, const CReplayEvent& b) { return a.m_frame < b.m_frame; });
    m_events = std::move(events);
    m_next = 0;
    return true;
}

bool CReplay::Load(const std::string& path, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
    {
        error = "cannot read " + path;
        return false;
    }
    std::string text;
    char buffer[4096];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0)
    {
        text.append(buffer, static_cast<std::size_t>(file.gcount()));
        if (text.size() > kMaxScriptBytes)
        {
            error = path + " is too large for a replay script";
            return false;
        }
    }
    return Parse(text, error);
}

std::vector<CReplayEvent> CReplay::TakeFrame(std::uint32_t frame)
{
    std::vector<CReplayEvent> result;
    // Events of frames already past (a script asked late) go out now.
    while (m_next < m_events.size() && m_events[m_next].m_frame <= frame)
        result.push_back(m_events[m_next++]);
    return result;
}
