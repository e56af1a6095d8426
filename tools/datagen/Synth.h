// Sound synthesis: oscillators, envelopes, filters and the WAV encoder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace NDatagen
{
using CWave = std::vector<float>;

constexpr int kEffectRate = 22050;

// 16-bit mono PCM WAV; samples are clipped to -1..1.
std::vector<uint8_t> EncodeWav(const CWave& wave, int rate);
std::vector<int16_t> ToPcm16(const CWave& wave);

// Adds a tone into wave starting at t0 seconds: a sum of sine partials with
// an exponential decay, a short attack and an optional pitch glide.
struct STone
{
    float freq = 440;
    float duration = 0.3f;
    float amplitude = 0.5f;
    float attack = 0.005f;
    float decay = 6.0f;                   // per second; larger fades faster
    float glide = 0;                      // octaves over the duration
    std::vector<float> partials = {1.0f}; // amplitudes of harmonics 1, 2, 3 ...
    float inharmonic = 0;                 // stretches partial n by n * (1 + inharmonic * n)
};
void AddTone(CWave& wave, int rate, float t0, const STone& tone);
void AddNoise(CWave& wave, int rate, float t0, float duration, float amplitude, float decay, float lowpass,
              uint32_t seed);
// Plucked string by Karplus-Strong.
CWave Pluck(int rate, float freq, float seconds, float damping, uint32_t seed);
void LowPass(CWave& wave, int rate, float cutoff);
void Normalise(CWave& wave, float peak);
} // namespace NDatagen
