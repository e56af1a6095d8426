// Small additive/subtractive synthesiser for the effects and instruments.
#include "tools/datagen/Synth.h"

#include "tools/datagen/Painter.h"

#include <algorithm>
#include <cmath>

namespace NDatagen
{
namespace
{
constexpr float kTau = 6.2831853f;

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v & 0xff));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xff));
}
void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}
} // namespace

std::vector<int16_t> ToPcm16(const CWave& wave)
{
    std::vector<int16_t> pcm(wave.size());
    for (size_t i = 0; i < wave.size(); ++i)
        pcm[i] = static_cast<int16_t>(std::lround(std::clamp(wave[i], -1.0f, 1.0f) * 32767.0f));
    return pcm;
}

std::vector<uint8_t> EncodeWav(const CWave& wave, int rate)
{
    const std::vector<int16_t> pcm = ToPcm16(wave);
    const uint32_t dataBytes = static_cast<uint32_t>(pcm.size() * 2);
    std::vector<uint8_t> out;
    for (char c : std::string("RIFF"))
        out.push_back(static_cast<uint8_t>(c));
    Put32(out, 36 + dataBytes);
    for (char c : std::string("WAVEfmt "))
        out.push_back(static_cast<uint8_t>(c));
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, static_cast<uint32_t>(rate));
    Put32(out, static_cast<uint32_t>(rate * 2));
    Put16(out, 2);
    Put16(out, 16);
    for (char c : std::string("data"))
        out.push_back(static_cast<uint8_t>(c));
    Put32(out, dataBytes);
    for (int16_t s : pcm)
        Put16(out, static_cast<uint16_t>(s));
    return out;
}

void AddTone(CWave& wave, int rate, float t0, const STone& tone)
{
    const size_t start = static_cast<size_t>(t0 * rate);
    const size_t n = static_cast<size_t>(tone.duration * rate);
    if (wave.size() < start + n)
        wave.resize(start + n, 0.0f);
    std::vector<float> phase(tone.partials.size(), 0.0f);
    for (size_t i = 0; i < n; ++i)
    {
        const float t = static_cast<float>(i) / rate;
        const float f = tone.freq * std::pow(2.0f, tone.glide * t / tone.duration);
        const float env = std::min(1.0f, t / std::max(tone.attack, 1e-4f)) * std::exp(-tone.decay * t) *
                          std::min(1.0f, (tone.duration - t) / 0.01f); // no click at the end
        float v = 0;
        for (size_t p = 0; p < tone.partials.size(); ++p)
        {
            const float k = static_cast<float>(p + 1);
            phase[p] += kTau * f * k * (1 + tone.inharmonic * k) / rate;
            // Higher partials die away sooner, as in struck and plucked sounds.
            v += tone.partials[p] * std::sin(phase[p]) * std::exp(-tone.decay * 0.5f * (k - 1) * t);
        }
        wave[start + i] += tone.amplitude * env * v;
    }
}

void AddNoise(CWave& wave, int rate, float t0, float duration, float amplitude, float decay, float lowpass,
              uint32_t seed)
{
    CRandom rnd(seed);
    const size_t start = static_cast<size_t>(t0 * rate);
    const size_t n = static_cast<size_t>(duration * rate);
    if (wave.size() < start + n)
        wave.resize(start + n, 0.0f);
    const float a = std::exp(-kTau * lowpass / rate);
    float y = 0;
    for (size_t i = 0; i < n; ++i)
    {
        const float t = static_cast<float>(i) / rate;
        const float x = rnd.Range(-1, 1);
        y = (1 - a) * x + a * y;
        wave[start + i] += amplitude * y * std::exp(-decay * t) * std::min(1.0f, (duration - t) / 0.005f);
    }
}

CWave Pluck(int rate, float freq, float seconds, float damping, uint32_t seed)
{
    CRandom rnd(seed);
    // Each stored sample is averaged with the one played next, which shortens
    // the loop by half a sample: the string sounds at rate / (period - 0.5).
    // The result is resampled onto the exact pitch.
    const float wanted = rate / freq;
    const size_t period = static_cast<size_t>(std::max(2.0f, std::ceil(wanted + 0.5f)));
    const float actual = static_cast<float>(period) - 0.5f;
    std::vector<float> line(period);
    for (float& v : line)
        v = rnd.Range(-1, 1);
    // Soften the excitation so the pluck sounds like nylon rather than wire.
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 1; i < period; ++i)
            line[i] = 0.5f * (line[i] + line[i - 1]);
    CWave raw(static_cast<size_t>(seconds * rate * actual / wanted) + 2);
    size_t pos = 0;
    for (float& s : raw)
    {
        const size_t next = (pos + 1) % period;
        const float v = line[pos];
        line[pos] = damping * 0.5f * (line[pos] + line[next]);
        s = v;
        pos = next;
    }
    CWave out(static_cast<size_t>(seconds * rate));
    const float step = actual / wanted;
    for (size_t i = 0; i < out.size(); ++i)
    {
        const float x = i * step;
        const size_t k = static_cast<size_t>(x);
        const float f = x - k;
        out[i] = k + 1 < raw.size() ? raw[k] * (1 - f) + raw[k + 1] * f : 0.0f;
    }
    return out;
}

void LowPass(CWave& wave, int rate, float cutoff)
{
    const float a = std::exp(-kTau * cutoff / rate);
    float y = 0;
    for (float& s : wave)
    {
        y = (1 - a) * s + a * y;
        s = y;
    }
}

void Normalise(CWave& wave, float peak)
{
    float m = 0;
    for (float s : wave)
        m = std::max(m, std::fabs(s));
    if (m > 0)
        for (float& s : wave)
            s *= peak / m;
}
} // namespace NDatagen
