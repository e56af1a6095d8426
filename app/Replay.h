// Scripted input for unattended runs: one event per line, "FRAME EVENT ARGS",
// entering at the start of its frame through the window's own message path.
#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <string>
#include <vector>

struct CReplayEvent
{
    enum EKind
    {
        kInput,      // m_input goes to the platform's message queue
        kScreenshot, // m_path: write the frame once drawn
        kQuit,
    };
    std::uint32_t m_frame = 0;
    EKind m_kind = kInput;
    CPlatformEvent m_input;
    std::string m_path;
};

class CReplay
{
  public:
    // Lines: "FRAME move X Y", "ldown X Y", "lup X Y", "rdown X Y", "rup X Y",
    // "key CODE" (pressed and released), "char CODE", "screenshot PATH",
    // "quit". Blank lines and lines starting with '#' are skipped. On a bad
    // line returns false, keeps nothing and says why in `error`.
    bool Parse(const std::string& text, std::string& error);
    bool Load(const std::string& path, std::string& error);

    const std::vector<CReplayEvent>& Events() const { return m_events; }
    // The events of one frame, in file order; frames must be asked in
    // increasing order.
    std::vector<CReplayEvent> TakeFrame(std::uint32_t frame);

  private:
    std::vector<CReplayEvent> m_events; // sorted by frame, stable
    std::size_t m_next = 0;
};
