// Writes generated files below the output folder, creating folders on the way.
#include "tools/datagen/Output.h"

#include "tools/datagen/Image.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace NDatagen
{
COutput::COutput(std::string root) : m_root(std::move(root)) {}

namespace
{
// A picture painted at scale 2 goes to "x2/" under its own name.
std::string ScaledName(const std::string& name, const CImage& img)
{
    return img.Scale() == 1 ? name : "x" + std::to_string(img.Scale()) + "/" + name;
}
} // namespace

bool COutput::Write(const std::string& name, const std::vector<uint8_t>& bytes)
{
    // Layouts, sprite files and sounds serve every scale: only the scale-1
    // pass writes them.
    if (PaintScale() != 1)
        return true;
    return Store(name, bytes);
}

bool COutput::Store(const std::string& name, const std::vector<uint8_t>& bytes)
{
    const std::filesystem::path path = std::filesystem::path(m_root) / name;
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (!out)
    {
        std::fprintf(stderr, "chromal-datagen: cannot write %s\n", path.c_str());
        m_failed = true;
        return false;
    }
    m_written.push_back(name);
    m_total += bytes.size();
    return true;
}

bool COutput::WriteText(const std::string& name, const std::string& text)
{
    return Write(name, std::vector<uint8_t>(text.begin(), text.end()));
}

bool COutput::WriteTga(const std::string& name, const CImage& img, bool alpha)
{
    Preview(ScaledName(name, img), img);
    return Store(ScaledName(name, img), EncodeTga(img, alpha));
}

bool COutput::WriteJpeg(const std::string& name, const CImage& img, int quality)
{
    Preview(ScaledName(name, img), img);
    return Store(ScaledName(name, img), EncodeJpeg(img, quality));
}

void COutput::PreviewOnly(const std::string& name, const CImage& img)
{
    Preview(ScaledName(name, img), img);
}

void COutput::Preview(const std::string& name, const CImage& img)
{
    if (!m_preview)
        return;
    const std::filesystem::path path = std::filesystem::path(m_root) / "preview" / (name + ".png");
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    // Over a meadow green, so that transparent sprites can be judged.
    const CPaintScale same(img.Scale());
    CImage flat(img.Width(), img.Height(), Rgb(74, 122, 58));
    flat.Paste(img, 0, 0);
    WritePng(path.string(), flat);
}
} // namespace NDatagen
