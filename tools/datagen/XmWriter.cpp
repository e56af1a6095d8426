// Extended module encoding: header, packed patterns, instruments with one
// delta-encoded 16-bit sample each. Linear frequency table.
#include "tools/datagen/XmWriter.h"

#include <algorithm>

namespace NDatagen
{
namespace
{
class CBytes
{
  public:
    void U8(uint32_t v) { m_data.push_back(static_cast<uint8_t>(v)); }
    void U16(uint32_t v)
    {
        U8(v & 0xff);
        U8((v >> 8) & 0xff);
    }
    void U32(uint32_t v)
    {
        U16(v & 0xffff);
        U16(v >> 16);
    }
    void Text(const std::string& s, size_t width)
    {
        for (size_t i = 0; i < width; ++i)
            U8(i < s.size() ? static_cast<uint8_t>(s[i]) : 0);
    }
    void PadTo(size_t from, size_t size)
    {
        while (m_data.size() < from + size)
            U8(0);
    }
    size_t Size() const { return m_data.size(); }
    void Append(const std::vector<uint8_t>& v) { m_data.insert(m_data.end(), v.begin(), v.end()); }
    std::vector<uint8_t>& Data() { return m_data; }

  private:
    std::vector<uint8_t> m_data;
};

std::vector<uint8_t> PackPattern(const SXmPattern& p, int channels)
{
    std::vector<uint8_t> out;
    for (int r = 0; r < p.rows; ++r)
        for (int c = 0; c < channels; ++c)
        {
            const SXmCell& cell = p.cells[static_cast<size_t>(r) * channels + c];
            uint8_t mask = 0x80;
            if (cell.note)
                mask |= 1;
            if (cell.instrument)
                mask |= 2;
            if (cell.volume)
                mask |= 4;
            if (cell.effect)
                mask |= 8;
            if (cell.param)
                mask |= 16;
            out.push_back(mask);
            if (cell.note)
                out.push_back(cell.note);
            if (cell.instrument)
                out.push_back(cell.instrument);
            if (cell.volume)
                out.push_back(cell.volume);
            if (cell.effect)
                out.push_back(cell.effect);
            if (cell.param)
                out.push_back(cell.param);
        }
    return out;
}
// One instrument: its header with the volume envelope, then its one sample
// header and the sample, delta-encoded.
void WriteInstrument(CBytes& b, const SXmInstrument& ins)
{
    const size_t start = b.Size();
    b.U32(263);
    b.Text(ins.name, 22);
    b.U8(0);
    b.U16(1);  // one sample
    b.U32(40); // sample header size
    for (int i = 0; i < 96; ++i)
        b.U8(0); // every note plays sample 0
    const auto& pts = ins.envelope.points;
    for (size_t i = 0; i < 12; ++i)
    {
        b.U16(i < pts.size() ? pts[i].first : 0);
        b.U16(i < pts.size() ? pts[i].second : 0);
    }
    for (int i = 0; i < 12; ++i)
        b.U32(0); // no panning envelope
    b.U8(static_cast<uint32_t>(pts.size()));
    b.U8(0);
    b.U8(ins.envelope.sustain >= 0 ? static_cast<uint32_t>(ins.envelope.sustain) : 0);
    b.U8(0);
    b.U8(0);
    b.U8(0);
    b.U8(0);
    b.U8(0);
    uint8_t volType = 0;
    if (!pts.empty())
        volType |= 1;
    if (ins.envelope.sustain >= 0)
        volType |= 2;
    b.U8(volType);
    b.U8(0);
    b.U8(0); // vibrato: sine
    b.U8(ins.vibratoSweep);
    b.U8(ins.vibratoDepth);
    b.U8(ins.vibratoRate);
    b.U16(ins.fadeout);
    b.PadTo(start, 263);

    // Sample header; lengths are in bytes.
    b.U32(static_cast<uint32_t>(ins.sample.size() * 2));
    b.U32(ins.loopStart * 2);
    b.U32(ins.loopLength * 2);
    b.U8(ins.volume);
    b.U8(static_cast<uint8_t>(ins.finetune));
    b.U8((ins.loopLength > 0 ? 1 : 0) | 0x10); // forward loop, 16-bit
    b.U8(ins.panning);
    b.U8(static_cast<uint8_t>(ins.relativeNote));
    b.U8(0);
    b.Text(ins.name, 22);

    int16_t previous = 0;
    for (int16_t s : ins.sample)
    {
        b.U16(static_cast<uint16_t>(static_cast<int16_t>(s - previous)));
        previous = s;
    }
}
} // namespace

std::vector<uint8_t> EncodeXm(const SXmModule& m)
{
    CBytes b;
    b.Text("Extended Module: ", 17);
    b.Text(m.name, 20);
    b.U8(0x1a);
    b.Text("chromal-datagen", 20);
    b.U16(0x0104);
    b.U32(276); // header size, counted from this field
    b.U16(static_cast<uint32_t>(m.orders.size()));
    b.U16(static_cast<uint32_t>(m.restart));
    b.U16(static_cast<uint32_t>(m.channels));
    b.U16(static_cast<uint32_t>(m.patterns.size()));
    b.U16(static_cast<uint32_t>(m.instruments.size()));
    b.U16(1); // linear frequency table
    b.U16(static_cast<uint32_t>(m.speed));
    b.U16(static_cast<uint32_t>(m.bpm));
    for (size_t i = 0; i < 256; ++i)
        b.U8(i < m.orders.size() ? m.orders[i] : 0);

    for (const SXmPattern& p : m.patterns)
    {
        const std::vector<uint8_t> packed = PackPattern(p, m.channels);
        b.U32(9);
        b.U8(0);
        b.U16(static_cast<uint32_t>(p.rows));
        b.U16(static_cast<uint32_t>(packed.size()));
        b.Append(packed);
    }

    for (const SXmInstrument& ins : m.instruments)
        WriteInstrument(b, ins);
    return b.Data();
}

double XmDuration(const SXmModule& m)
{
    int rows = 0;
    for (uint8_t o : m.orders)
        if (o < m.patterns.size())
            rows += m.patterns[o].rows;
    // A tick lasts 2.5 / bpm seconds.
    return rows * m.speed * 2.5 / m.bpm;
}
} // namespace NDatagen
