// Instruments are synthesised single samples; songs are built from a chord
// progression per section: pad chords, a bass line, an arpeggio, drums and a
// melody made of a two-bar motif that is repeated on the following chords, so
// that each loop has a recognisable tune rather than a random walk.
#include "tools/datagen/Music.h"

#include "tools/datagen/Generate.h"
#include "tools/datagen/Output.h"
#include "tools/datagen/Painter.h"
#include "tools/datagen/Synth.h"

#include <algorithm>
#include <cmath>

namespace NDatagen
{
namespace
{
// Samples play at their own rate at note C-4 with a relative note of +24,
// i.e. 4 x 8363 Hz; a 128-sample cycle then sounds C (261 Hz).
constexpr int kSampleRate = 8363 * 4;
constexpr int kCycle = 128;
constexpr float kBaseFreq = static_cast<float>(kSampleRate) / kCycle;
constexpr int kNoteC4 = 49;
constexpr int kChannels = 8;
constexpr int kRowsPerBar = 16;

enum EInstrument
{
    kPad = 1,
    kHarp,
    kMarimba,
    kBass,
    kFlute,
    kKick,
    kSnare,
    kHat
};

CWave Cycles(int cycles, const std::vector<float>& partials, int detunedCycles = 0)
{
    const int n = cycles * kCycle;
    CWave w(static_cast<size_t>(n), 0.0f);
    for (int i = 0; i < n; ++i)
    {
        float v = 0;
        for (size_t p = 0; p < partials.size(); ++p)
        {
            const float k = static_cast<float>(p + 1);
            v += partials[p] * std::sin(6.2831853f * k * cycles * i / n);
            if (detunedCycles)
                v += partials[p] * std::sin(6.2831853f * k * detunedCycles * i / n);
        }
        w[static_cast<size_t>(i)] = v;
    }
    return w;
}

SXmInstrument Instrument(const char* name, CWave wave, float peak)
{
    Normalise(wave, peak);
    SXmInstrument ins;
    ins.name = name;
    ins.sample = ToPcm16(wave);
    ins.relativeNote = 24;
    return ins;
}

// A sample that repeats whole for as long as its note sounds.
void LoopWhole(SXmInstrument& ins)
{
    ins.loopStart = 0;
    ins.loopLength = static_cast<uint32_t>(ins.sample.size());
}

// The tuned instruments, in the order the songs number them.
void AddTunedInstruments(std::vector<SXmInstrument>& list)
{
    { // Warm pad: two slightly detuned saw-like tones, looped whole.
        std::vector<float> saw;
        for (int k = 1; k <= 10; ++k)
            saw.push_back(1.0f / k * (k > 6 ? 0.5f : 1.0f));
        SXmInstrument ins = Instrument("pad", Cycles(128, saw, 129), 0.5f);
        LoopWhole(ins);
        ins.volume = 36;
        ins.envelope.points = {{0, 0}, {20, 50}, {50, 40}, {110, 0}};
        ins.envelope.sustain = 2;
        ins.fadeout = 600;
        list.push_back(ins);
    }
    { // Harp: a plucked string whose period is exactly one cycle.
        CWave w = Pluck(kSampleRate, kBaseFreq, 1.4f, 0.996f, 5);
        list.push_back(Instrument("harp", w, 0.8f));
    }
    { // Marimba: fundamental plus the bright fourth partial, decaying fast.
        CWave w;
        STone t;
        t.freq = kBaseFreq;
        t.duration = 0.9f;
        t.decay = 6;
        t.attack = 0.002f;
        t.partials = {1.0f, 0.0f, 0.0f, 0.35f};
        AddTone(w, kSampleRate, 0, t);
        list.push_back(Instrument("marimba", w, 0.8f));
    }
    { // Round bass.
        SXmInstrument ins = Instrument("bass", Cycles(16, {1.0f, 0.35f, 0.15f, 0.05f}), 0.8f);
        LoopWhole(ins);
        ins.envelope.points = {{0, 64}, {8, 54}, {40, 40}, {90, 20}, {160, 0}};
        ins.volume = 56;
        list.push_back(ins);
    }
    { // Soft flute with a gentle vibrato.
        SXmInstrument ins = Instrument("flute", Cycles(16, {1.0f, 0.18f, 0.06f}), 0.7f);
        LoopWhole(ins);
        ins.envelope.points = {{0, 0}, {4, 60}, {12, 50}, {30, 0}};
        ins.envelope.sustain = 2;
        ins.fadeout = 1200;
        ins.vibratoDepth = 3;
        ins.vibratoRate = 24;
        ins.vibratoSweep = 40;
        ins.volume = 44;
        list.push_back(ins);
    }
}

// The drums, after the tuned instruments.
void AddDrums(std::vector<SXmInstrument>& list)
{
    { // Kick: a falling sine.
        CWave w;
        STone t;
        t.freq = 150;
        t.duration = 0.28f;
        t.decay = 12;
        t.attack = 0.001f;
        t.glide = -1.6f;
        AddTone(w, kSampleRate, 0, t);
        SXmInstrument ins = Instrument("kick", w, 0.9f);
        ins.relativeNote = 24;
        list.push_back(ins);
    }
    { // Snare: noise with a short body tone.
        CWave w;
        AddNoise(w, kSampleRate, 0, 0.18f, 0.8f, 22, 6000, 9);
        STone t;
        t.freq = 190;
        t.duration = 0.12f;
        t.decay = 30;
        t.amplitude = 0.5f;
        AddTone(w, kSampleRate, 0, t);
        SXmInstrument ins = Instrument("snare", w, 0.6f);
        ins.volume = 40;
        list.push_back(ins);
    }
    { // Hat: bright, very short noise.
        CWave w;
        AddNoise(w, kSampleRate, 0, 0.06f, 1.0f, 60, 12000, 13);
        CWave low = w;
        LowPass(low, kSampleRate, 3000);
        for (size_t i = 0; i < w.size(); ++i)
            w[i] -= low[i];
        SXmInstrument ins = Instrument("hat", w, 0.5f);
        ins.volume = 30;
        list.push_back(ins);
    }
}

std::vector<SXmInstrument> MakeInstruments()
{
    std::vector<SXmInstrument> list;
    AddTunedInstruments(list);
    AddDrums(list);
    return list;
}

class CComposer
{
  public:
    explicit CComposer(const SSong& song) : m_song(song), m_rnd(song.seed) {}

    // Note number of a scale index (0 = tonic; 7 = an octave up).
    int NoteOf(int index, int octaveShift) const
    {
        static const int major[7] = {0, 2, 4, 5, 7, 9, 11};
        static const int minor[7] = {0, 2, 3, 5, 7, 8, 10};
        const int* scale = m_song.minor ? minor : major;
        const int oct = index >= 0 ? index / 7 : -((6 - index) / 7);
        const int deg = index - oct * 7;
        return m_song.tonic + scale[deg] + 12 * (oct + octaveShift);
    }

    SXmPattern Pattern(const std::vector<int>& chords, bool melody, bool intro, int variation)
    {
        SXmPattern p;
        p.rows = kRowsPerBar * static_cast<int>(chords.size());
        p.cells.resize(static_cast<size_t>(p.rows) * kChannels);
        std::vector<std::pair<int, int>> motif = Motif(variation);
        int previous = 9;
        for (size_t bar = 0; bar < chords.size(); ++bar)
        {
            const int row0 = static_cast<int>(bar) * kRowsPerBar;
            const int root = chords[bar];
            // Pad: the three chord tones, held for the bar.
            for (int v = 0; v < 3; ++v)
                Put(p, row0, 1 + v, NoteOf(root + 2 * v, -1), kPad, 40);
            // Bass: root on the first beat, fifth on the third; busier songs
            // add off-beat roots.
            Put(p, row0, 0, NoteOf(root, -2), kBass, 60);
            Put(p, row0 + 8, 0, NoteOf(root + 4, -2), kBass, 50);
            if (m_song.lively)
            {
                Put(p, row0 + 6, 0, NoteOf(root, -2), kBass, 44);
                Put(p, row0 + 14, 0, NoteOf(root, -1), kBass, 40);
            }
            // Arpeggio in eighths, up and back down.
            if (!intro || bar >= 2)
            {
                static const int shape[8] = {0, 2, 4, 7, 4, 2, 0, 2};
                for (int i = 0; i < 8; ++i)
                    Put(p, row0 + 2 * i, 5, NoteOf(root + shape[i], -1), m_song.arpInstrument,
                        i % 2 ? 26 : 34);
            }
            if (m_song.drums)
            {
                Put(p, row0, 6, kNoteC4, kKick, 64);
                Put(p, row0 + 8, 6, kNoteC4, kKick, 60);
                if (!intro)
                {
                    Put(p, row0 + 4, 6, kNoteC4, kSnare, 44);
                    Put(p, row0 + 12, 6, kNoteC4, kSnare, 48);
                    if (m_song.lively)
                        Put(p, row0 + 10, 6, kNoteC4, kKick, 48);
                }
                for (int i = 0; i < 8; ++i)
                    Put(p, row0 + 2 * i, 7, kNoteC4, kHat, i % 2 ? 20 : 34);
            }
            if (melody)
            {
                // The motif spans two bars; in its second use it starts from
                // the chord tone nearest to where the tune stands.
                const int half = static_cast<int>(bar % 2);
                const bool last = bar + 1 == chords.size();
                int pitch = Nearest(previous, root);
                for (const auto& [row, step] : motif)
                {
                    if (row / kRowsPerBar != half)
                        continue;
                    if (last && row % kRowsPerBar >= 8)
                        break;
                    pitch = std::clamp(pitch + step, 4, 15);
                    if (row % 8 == 0)
                        pitch = Nearest(pitch, root);
                    Put(p, row0 + row % kRowsPerBar, 4, NoteOf(pitch, 0), m_song.melodyInstrument, 48);
                }
                if (last)
                {
                    // Phrase end: land on the chord's root and let it ring.
                    Put(p, row0 + 8, 4, NoteOf(Nearest(pitch, root) / 7 * 7 + root % 7, 0),
                        m_song.melodyInstrument, 50);
                    p.At(row0 + 15, 4, kChannels).note = 97;
                }
                previous = pitch;
            }
        }
        return p;
    }

  private:
    void Put(SXmPattern& p, int row, int ch, int note, int ins, int volume)
    {
        SXmCell& c = p.At(row, ch, kChannels);
        c.note = static_cast<uint8_t>(std::clamp(note, 1, 96));
        c.instrument = static_cast<uint8_t>(ins);
        c.volume = static_cast<uint8_t>(0x10 + std::clamp(volume, 0, 64));
    }

    // The chord tone (scale index) closest to a pitch.
    int Nearest(int pitch, int root) const
    {
        int best = pitch, dist = 99;
        for (int oct = -1; oct <= 2; ++oct)
            for (int v = 0; v < 3; ++v)
            {
                const int cand = root + 2 * v + 7 * oct;
                if (std::abs(cand - pitch) < dist)
                {
                    dist = std::abs(cand - pitch);
                    best = cand;
                }
            }
        return best;
    }

    // Two bars of (row, scale step) pairs.
    std::vector<std::pair<int, int>> Motif(int variation)
    {
        static const std::vector<std::vector<int>> rhythms = {{0, 4, 8, 12},    {0, 6, 8, 12, 14},
                                                              {0, 2, 4, 8, 12}, {0, 8, 10, 12},
                                                              {0, 3, 6, 8, 12}, {0, 4, 6, 8, 12, 14}};
        CRandom rnd(m_song.seed * 31 + static_cast<uint32_t>(variation) * 7 + 1);
        std::vector<std::pair<int, int>> out;
        for (int bar = 0; bar < 2; ++bar)
        {
            const std::vector<int>& r =
                rhythms[static_cast<size_t>(rnd.Int(static_cast<int>(rhythms.size())))];
            int dir = rnd.Int(2) ? 1 : -1;
            for (int row : r)
            {
                int step = dir * (rnd.Int(4) == 0 ? 2 : 1);
                if (rnd.Int(3) == 0)
                    dir = -dir;
                out.emplace_back(bar * kRowsPerBar + row, row == 0 ? 0 : step);
            }
        }
        return out;
    }

    const SSong& m_song;
    CRandom m_rnd;
};
} // namespace

const std::vector<SSong>& Songs()
{
    static const std::vector<SSong> songs = {
        {"music/menu.xm",
         "Garden gate",
         61,
         false,
         96,
         {0, 5, 3, 4},
         {3, 4, 2, 5},
         kFlute,
         kHarp,
         false,
         false,
         101},
        {"music/game01.xm",
         "Morning dew",
         67,
         false,
         124,
         {0, 3, 4, 0},
         {5, 3, 1, 4},
         kMarimba,
         kHarp,
         true,
         false,
         202},
        {"music/game02.xm",
         "Shade of the elms",
         69,
         true,
         112,
         {0, 5, 2, 6},
         {3, 0, 4, 4},
         kFlute,
         kMarimba,
         true,
         false,
         303},
        {"music/game03.xm",
         "Bumblebees",
         62,
         false,
         134,
         {0, 4, 5, 3},
         {1, 4, 0, 4},
         kMarimba,
         kHarp,
         true,
         true,
         404},
        {"music/game04.xm",
         "Evening bloom",
         65,
         false,
         108,
         {0, 2, 3, 4},
         {5, 1, 3, 4},
         kFlute,
         kHarp,
         true,
         false,
         505},
    };
    return songs;
}

SXmModule ComposeSong(const SSong& song)
{
    SXmModule m;
    m.name = song.title;
    m.channels = kChannels;
    m.speed = 6;
    m.bpm = song.bpm;
    m.instruments = MakeInstruments();
    CComposer c(song);
    m.patterns.push_back(c.Pattern(song.verse, false, true, 0));  // intro
    m.patterns.push_back(c.Pattern(song.verse, true, false, 1));  // tune
    m.patterns.push_back(c.Pattern(song.verse, true, false, 2));  // tune, second phrase
    m.patterns.push_back(c.Pattern(song.bridge, true, false, 3)); // bridge
    m.orders = {0, 1, 2, 3, 1, 2};
    m.restart = 1;
    return m;
}

void WriteMusic(COutput& out)
{
    for (const SSong& song : Songs())
        out.Write(song.file, EncodeXm(ComposeSong(song)));
}
} // namespace NDatagen
