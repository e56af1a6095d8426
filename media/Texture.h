// A GL 2D texture with its size on screen, loaded from TGA, JPEG or DDS
// pictures, from the data's own set or its twice as detailed twins.
#pragma once

#include <cstdint>
#include <string>

class CFileSystem;
struct CImage;
struct CDdsImage;

class CTexture
{
  public:
    CTexture();
    CTexture(const CTexture&) = delete;
    CTexture& operator=(const CTexture&) = delete;
    virtual ~CTexture();

    // Picks the decoder by the name's last letter: a/A TGA, g/G JPEG, s/S DDS;
    // anything else loads nothing. At detail 2 the twin under "x2/" is
    // loaded where the data has one, at the same size on screen. A picture that fails to decode leaves the
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

    // The picture is only ever shown centred on a screen of this size (a
    // backdrop larger than the screen): a twin keeps just the part that
    // shows, and S and T map the whole picture's texture coordinates into
    // it. Set before the picture loads.
    void CentreOn(float screenWidth, float screenHeight);
    float S(float s) const { return (s - m_origin[0]) * m_stretch[0]; }
    float T(float t) const { return (t - m_origin[1]) * m_stretch[1]; }
    // Gives GL the whole picture's coordinate (s, t), mapped into what the
    // texture keeps (without a texture, as it is).
    static void TexCoord(const CTexture* texture, float s, float t);

    // The picture set the window calls for: 2 when it shows the picture at
    // more than 1.25 times, else 1.
    static int DetailForScale(float scale) { return scale > 1.25f ? 2 : 1; }
    static int Detail();
    // Loads every loaded texture that came from the data again in the new
    // set; those released stay released.
    static void SetDetail(int detail);

    // One quad of the texture's own size with (x, y) at texture (0, 1): with
    // y growing downwards, a bottom-up picture shows upright.
    void Draw(float x, float y, float z) const;

    std::uint32_t GetName() const { return m_name; }
    // The size on screen, in the 800 by 600 picture's pixels.
    std::uint32_t GetWidth() const { return m_width; }
    std::uint32_t GetHeight() const { return m_height; }
    // Picture pixels to one on screen: 2 for a twin of the detailed set.
    std::uint32_t GetPixelRatio() const { return m_ratio; }
    std::uint32_t GetComponents() const { return m_components; }

  private:
    // A TGA, or a JPEG in colour.
    static bool Decode(bool tga, const unsigned char* data, std::size_t size, CImage& image);
    // Uploads the picture, leaving it empty where that frees memory early.
    void Upload(CImage& image, bool wrap, bool mipmaps);
    bool UploadDds(const CDdsImage& image, bool wrap);
    // Keeps the part of a twin its screen shows; false when that is all of it.
    bool CropToScreen(CImage& image);
    void Reload();
    void Remember(const CFileSystem& files, const std::string& file, const std::string& alphaFile, bool wrap,
                  bool mipmaps);
    // Loads through `load`, given a reader of files: the twins' at detail 2
    // (where `twins`), else or when they do not decode the set's own.
    template <typename FLoad> void LoadEitherSet(const CFileSystem& files, bool twins, FLoad load);

    std::uint32_t m_name = 0;
    std::uint32_t m_width = 0;
    std::uint32_t m_height = 0;
    std::uint32_t m_components = 0;
    std::uint32_t m_ratio = 1;
    bool m_loaded = false; // headless, a loaded texture has no GL name
    // Set while a twin is decoded.
    std::uint32_t m_next_ratio = 1;
    // The screen it is centred on (none: 0), and the kept part's origin and
    // stretch in the whole picture's texture coordinates.
    float m_screen[2] = {0.0f, 0.0f};
    float m_origin[2] = {0.0f, 0.0f};
    float m_stretch[2] = {1.0f, 1.0f};
    // Where the picture came from, to load it again in the other set.
    const CFileSystem* m_files = nullptr;
    std::string m_file;
    std::string m_alpha_file;
    bool m_wrap = false;
    bool m_mipmaps = false;
};
