// The seven sound effects of the game.
#include "tools/datagen/Generate.h"
#include "tools/datagen/Output.h"
#include "tools/datagen/Synth.h"

#include <cmath>

namespace NDatagen
{
namespace
{
constexpr int kRate = kEffectRate;

float Note(int semitonesFromA4)
{
    return 440.0f * std::pow(2.0f, semitonesFromA4 / 12.0f);
}

STone Bell(float freq, float duration, float amplitude)
{
    STone t;
    t.freq = freq;
    t.duration = duration;
    t.amplitude = amplitude;
    t.decay = 4.0f;
    t.partials = {1.0f, 0.35f, 0.18f, 0.08f};
    t.inharmonic = 0.002f;
    return t;
}

void Write(COutput& out, const char* name, CWave wave, float peak)
{
    Normalise(wave, peak);
    out.Write(name, EncodeWav(wave, kRate));
}
// A move made, and one refused.
void WriteMoveSounds(COutput& out)
{
    { // A flower bed turns: a quick rising two-note chime.
        CWave w;
        AddTone(w, kRate, 0.0f, Bell(Note(15), 0.35f, 0.5f));  // C6
        AddTone(w, kRate, 0.07f, Bell(Note(22), 0.4f, 0.45f)); // G6
        AddNoise(w, kRate, 0.0f, 0.12f, 0.08f, 30, 4000, 7);
        Write(out, "wav/start_paint.wav", w, 0.7f);
    }
    { // Not allowed: a soft low double bonk.
        CWave w;
        for (int i = 0; i < 2; ++i)
        {
            STone t;
            t.freq = i == 0 ? 196 : 165;
            t.duration = 0.16f;
            t.decay = 14;
            t.amplitude = 0.6f;
            t.partials = {1.0f, 0.5f, 0.3f, 0.2f, 0.1f};
            AddTone(w, kRate, i * 0.11f, t);
        }
        LowPass(w, kRate, 1800);
        Write(out, "wav/wrong_paint.wav", w, 0.7f);
    }
}

// The end of a level: won, a life lost, the game over.
void WriteLevelEndSounds(COutput& out)
{
    { // Level completed: a bright major arpeggio.
        CWave w;
        const int notes[] = {3, 7, 10, 15, 19, 22, 27};
        for (int i = 0; i < 7; ++i)
            AddTone(w, kRate, i * 0.09f, Bell(Note(notes[i]), 0.9f, 0.35f));
        AddTone(w, kRate, 0.63f, Bell(Note(15), 1.0f, 0.3f));
        Write(out, "wav/lev_complete.wav", w, 0.75f);
    }
    { // A life lost: a falling minor figure.
        CWave w;
        const int notes[] = {10, 6, 3, -2};
        for (int i = 0; i < 4; ++i)
        {
            STone t = Bell(Note(notes[i]), 0.6f, 0.4f);
            t.decay = 3;
            AddTone(w, kRate, i * 0.16f, t);
        }
        Write(out, "wav/life_lost.wav", w, 0.7f);
    }
    { // Game over: slow descent ending on a low, sighing tone.
        CWave w;
        const int notes[] = {3, -2, -6, -9};
        for (int i = 0; i < 4; ++i)
        {
            STone t = Bell(Note(notes[i]), 0.9f, 0.4f);
            t.decay = 2.5f;
            AddTone(w, kRate, i * 0.3f, t);
        }
        STone low;
        low.freq = Note(-21);
        low.duration = 1.2f;
        low.decay = 2;
        low.glide = -0.1f;
        low.partials = {1.0f, 0.4f, 0.2f};
        low.amplitude = 0.35f;
        AddTone(w, kRate, 0.9f, low);
        Write(out, "wav/game_over.wav", w, 0.7f);
    }
}

// A bonus at work, and a button pressed.
void WriteBonusAndClickSounds(COutput& out)
{
    { // A bonus takes effect: an upward sparkle.
        CWave w;
        for (int i = 0; i < 10; ++i)
            AddTone(w, kRate, i * 0.035f, Bell(Note(15 + i * 2), 0.3f, 0.22f));
        AddNoise(w, kRate, 0.0f, 0.5f, 0.05f, 6, 9000, 11);
        Write(out, "wav/bonus.wav", w, 0.7f);
    }
    { // Button: a short wooden click.
        CWave w;
        STone t;
        t.freq = 1400;
        t.duration = 0.045f;
        t.decay = 90;
        t.attack = 0.001f;
        t.partials = {1.0f, 0.3f};
        t.amplitude = 0.6f;
        AddTone(w, kRate, 0, t);
        AddNoise(w, kRate, 0, 0.02f, 0.25f, 200, 5000, 3);
        Write(out, "wav/btn_click.wav", w, 0.6f);
    }
}

} // namespace

void WriteSounds(COutput& out)
{
    WriteMoveSounds(out);
    WriteLevelEndSounds(out);
    WriteBonusAndClickSounds(out);
}
} // namespace NDatagen
