// The folder the generator writes into; keeps a list of what it wrote.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace NDatagen
{
class CImage;

class COutput
{
  public:
    explicit COutput(std::string root);

    // name is relative, with forward slashes ("dat/game.txt"); folders are
    // made. Files other than pictures are written at PaintScale() 1 only.
    bool Write(const std::string& name, const std::vector<uint8_t>& bytes);
    bool WriteText(const std::string& name, const std::string& text);
    // A picture of scale 2 is written as "x2/" + name.
    bool WriteTga(const std::string& name, const CImage& img, bool alpha = true);
    bool WriteJpeg(const std::string& name, const CImage& img, int quality = 90);

    // With previews on, every picture is also written as PNG under "preview/".
    void SetPreview(bool on) { m_preview = on; }
    bool PreviewOn() const { return m_preview; }
    // A picture that exists only as a preview (a mock-up of a whole screen).
    void PreviewOnly(const std::string& name, const CImage& img);
    const std::vector<std::string>& Written() const { return m_written; }
    size_t TotalBytes() const { return m_total; }
    bool Failed() const { return m_failed; }

  private:
    bool Store(const std::string& name, const std::vector<uint8_t>& bytes);
    void Preview(const std::string& name, const CImage& img);

    std::string m_root;
    std::vector<std::string> m_written;
    size_t m_total = 0;
    bool m_preview = false;
    bool m_failed = false;
    std::mutex m_mutex; // the masks are written from a thread of their own
};
} // namespace NDatagen
