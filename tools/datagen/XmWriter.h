// A small writer of FastTracker 2 extended modules (".xm"), version 1.04.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace NDatagen
{
struct SXmEnvelope
{
    std::vector<std::pair<uint16_t, uint16_t>> points; // (tick, volume 0..64), at most 12
    int sustain = -1;                                  // point index, -1 for none
};

struct SXmInstrument
{
    std::string name;
    std::vector<int16_t> sample;            // 16-bit; stored delta-encoded
    uint32_t loopStart = 0, loopLength = 0; // in samples; length 0 for a one-shot
    uint8_t volume = 64;
    int8_t finetune = 0;
    int8_t relativeNote = 0;
    uint8_t panning = 128;
    SXmEnvelope envelope; // empty: no volume envelope
    uint16_t fadeout = 0;
    uint8_t vibratoDepth = 0, vibratoRate = 0, vibratoSweep = 0;
};

struct SXmCell
{
    uint8_t note = 0;       // 1..96, 97 = key off, 0 = none
    uint8_t instrument = 0; // 1-based, 0 = none
    uint8_t volume = 0;     // volume column: 0x10..0x50 sets volume 0..64
    uint8_t effect = 0, param = 0;
};

struct SXmPattern
{
    int rows = 64;
    std::vector<SXmCell> cells; // rows * channels, row-major

    SXmCell& At(int row, int channel, int channels)
    {
        return cells[static_cast<size_t>(row) * channels + channel];
    }
};

struct SXmModule
{
    std::string name;
    int channels = 8;
    int speed = 6; // ticks per row
    int bpm = 125;
    std::vector<uint8_t> orders;
    int restart = 0;
    std::vector<SXmPattern> patterns;
    std::vector<SXmInstrument> instruments;
};

std::vector<uint8_t> EncodeXm(const SXmModule& module);
// Playing time of one pass through the order list, in seconds.
double XmDuration(const SXmModule& module);
} // namespace NDatagen
