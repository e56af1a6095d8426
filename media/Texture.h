// A GL 2D texture with its size, loaded from TGA, JPEG or DDS pictures.
#pragma once

#include <cstdint>
#include <string>

class CFileSystem;
struct CImage;
struct CDdsImage;

class CTexture
{
  public:
    CTexture() = default;
    CTexture(const CTexture&) = delete;
    CTexture& operator=(const CTexture&) = delete;
    virtual ~CTexture();

    // Picks the decoder by the name's last letter: a/A TGA, g/G JPEG, s/S DDS;
    // anything else loads nothing. A picture that fails to decode leaves the
    // texture as it was. Always true: callers treat a missing picture as empty.
    bool LoadFromSource(const CFileSystem& files, const std::string& fileName, bool wrap, bool mipmaps);
    // A colour JPEG and a grey JPEG of the same size become one RGBA texture.
    // True even when the pair is refused.
    bool LoadWithAlpha(const CFileSystem& files, const std::string& colourFile, const std::string& alphaFile,
                       bool wrap, bool mipmaps);

    // The same, from bytes already in memory; these report the decoder's verdict.
    bool LoadTga(const unsigned char* data, std::size_t size, bool wrap, bool mipmaps);
    bool LoadJpeg(const unsigned char* data, std::size_t size, bool wrap, bool mipmaps);
    bool LoadDds(const unsigned char* data, std::size_t size, bool wrap);
    bool LoadJpegPair(const unsigned char* colour, std::size_t colourSize, const unsigned char* alpha,
                      std::size_t alphaSize, bool wrap, bool mipmaps);

    void Release();

    // One quad of the texture's own size with (x, y) at texture (0, 1): with
    // y growing downwards, a bottom-up picture shows upright.
    void Draw(float x, float y, float z) const;

    std::uint32_t GetName() const { return m_name; }
    std::uint32_t GetWidth() const { return m_width; }
    std::uint32_t GetHeight() const { return m_height; }
    std::uint32_t GetComponents() const { return m_components; }

  private:
    void Upload(const CImage& image, std::uint32_t format, bool wrap, bool mipmaps);
    bool UploadDds(const CDdsImage& image, bool wrap);

    std::uint32_t m_name = 0;
    std::uint32_t m_width = 0;
    std::uint32_t m_height = 0;
    std::uint32_t m_components = 0;
};
