// Texture loading: decoder choice, the shared upload and the DDS upload.
#include "media/Texture.h"

#include "media/DdsDecoder.h"
#include "media/Image.h"
#include "media/JpegDecoder.h"
#include "media/TgaDecoder.h"
#include "platform/Gl.h"
#include "storage/FileSystem.h"

#include <algorithm>
#include <vector>

namespace
{
int g_detail = 1;
const std::string kDetailFolder = "x2/";

std::vector<CTexture*>& LiveTextures()
{
    static std::vector<CTexture*> textures;
    return textures;
}

} // namespace

CTexture::CTexture()
{
    LiveTextures().push_back(this);
}

CTexture::~CTexture()
{
    Release();
    auto& live = LiveTextures();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

void CTexture::CentreOn(float screenWidth, float screenHeight)
{
    m_screen[0] = screenWidth;
    m_screen[1] = screenHeight;
}

void CTexture::TexCoord(const CTexture* texture, float s, float t)
{
    NGl::TexCoord(texture ? texture->S(s) : s, texture ? texture->T(t) : t);
}

int CTexture::Detail()
{
    return g_detail;
}

void CTexture::SetDetail(int detail)
{
    detail = detail == 2 ? 2 : 1;
    if (detail == g_detail)
        return;
    g_detail = detail;
    for (CTexture* texture : LiveTextures())
        texture->Reload();
}

void CTexture::Reload()
{
    if (!m_loaded || m_files == nullptr)
        return;
    if (m_alpha_file.empty())
        LoadFromSource(*m_files, m_file, m_wrap, m_mipmaps);
    else
        LoadWithAlpha(*m_files, m_file, m_alpha_file, m_wrap, m_mipmaps);
}

void CTexture::Release()
{
    if (m_name != 0)
        NGl::DeleteTexture(m_name);
    m_name = 0;
    m_loaded = false;
}

void CTexture::Remember(const CFileSystem& files, const std::string& file, const std::string& alphaFile,
                        bool wrap, bool mipmaps)
{
    m_files = &files;
    m_file = file;
    m_alpha_file = alphaFile;
    m_wrap = wrap;
    m_mipmaps = mipmaps;
}

template <typename FLoad> void CTexture::LoadEitherSet(const CFileSystem& files, bool twins, FLoad load)
{
    // A twin that does not decode leaves the set's own.
    m_next_ratio = 2;
    const bool twin =
        twins && g_detail == 2 &&
        load([&files](const std::string& name) { return files.ReadFile(kDetailFolder + name); });
    m_next_ratio = 1;
    if (!twin)
        load([&files](const std::string& name) { return files.ReadFile(name); });
}

bool CTexture::LoadFromSource(const CFileSystem& files, const std::string& fileName, bool wrap, bool mipmaps)
{
    if (fileName.empty())
        return true;
    const char last = fileName.back();
    if (last != 'a' && last != 'A' && last != 'g' && last != 'G' && last != 's' && last != 'S')
        return true;
    Remember(files, fileName, std::string(), wrap, mipmaps);
    const bool dds = last == 's' || last == 'S';
    // No DDS picture has a twin.
    LoadEitherSet(files, !dds,
                  [&](const auto& read)
                  {
                      CDataBuffer bytes = read(fileName);
                      if (dds)
                          return LoadDds(bytes.Data(), bytes.Size(), wrap);
                      CImage image;
                      if (!Decode(last == 'a' || last == 'A', bytes.Data(), bytes.Size(), image))
                          return false;
                      // The file's bytes go before the texture is made: a twin's are megabytes.
                      bytes = CDataBuffer();
                      Upload(image, wrap, mipmaps);
                      return true;
                  });
    return true;
}

bool CTexture::LoadWithAlpha(const CFileSystem& files, const std::string& colourFile,
                             const std::string& alphaFile, bool wrap, bool mipmaps)
{
    Remember(files, colourFile, alphaFile, wrap, mipmaps);
    LoadEitherSet(files, true,
                  [&](const auto& read)
                  {
                      const CDataBuffer colour = read(colourFile);
                      const CDataBuffer alpha = read(alphaFile);
                      return LoadJpegPair(colour.Data(), colour.Size(), alpha.Data(), alpha.Size(), wrap,
                                          mipmaps);
                  });
    return true;
}

bool CTexture::Decode(bool tga, const unsigned char* data, std::size_t size, CImage& image)
{
    if (tga)
        return DecodeTga(data, size, image);
    // A grey picture has one byte per pixel; uploading it as RGB would read
    // three times past its end, so a single picture must be in colour.
    return DecodeJpeg(data, size, image) && image.m_components == 3;
}

bool CTexture::LoadTga(const unsigned char* data, std::size_t size, bool wrap, bool mipmaps)
{
    CImage image;
    if (!Decode(true, data, size, image))
        return false;
    Upload(image, wrap, mipmaps);
    return true;
}

bool CTexture::LoadJpeg(const unsigned char* data, std::size_t size, bool wrap, bool mipmaps)
{
    CImage image;
    if (!Decode(false, data, size, image))
        return false;
    Upload(image, wrap, mipmaps);
    return true;
}

bool CTexture::LoadJpegPair(const unsigned char* colour, std::size_t colourSize, const unsigned char* alpha,
                            std::size_t alphaSize, bool wrap, bool mipmaps)
{
    CImage rgb, grey;
    if (!DecodeJpeg(colour, colourSize, rgb) || !DecodeJpeg(alpha, alphaSize, grey))
        return false;
    if (rgb.m_width != grey.m_width || rgb.m_height != grey.m_height || rgb.m_components != 3 ||
        grey.m_components != 1)
        return false;
    CImage rgba;
    rgba.m_width = rgb.m_width;
    rgba.m_height = rgb.m_height;
    rgba.m_components = 4;
    const std::size_t pixels = static_cast<std::size_t>(rgb.m_width) * rgb.m_height;
    rgba.m_pixels.resize(pixels * 4);
    for (std::size_t i = 0; i < pixels; ++i)
    {
        rgba.m_pixels[i * 4] = rgb.m_pixels[i * 3];
        rgba.m_pixels[i * 4 + 1] = rgb.m_pixels[i * 3 + 1];
        rgba.m_pixels[i * 4 + 2] = rgb.m_pixels[i * 3 + 2];
        rgba.m_pixels[i * 4 + 3] = grey.m_pixels[i];
    }
    Upload(rgba, wrap, mipmaps);
    return true;
}

bool CTexture::LoadDds(const unsigned char* data, std::size_t size, bool wrap)
{
    CDdsImage image;
    if (!DecodeDds(data, size, true, image))
        return false;
    return UploadDds(image, wrap);
}

void CTexture::Upload(CImage& image, bool wrap, bool mipmaps)
{
    const GLenum format = image.m_components == 4 ? GL_RGBA : GL_RGB;
    const std::uint32_t pixelWidth = image.m_width;
    const std::uint32_t pixelHeight = image.m_height;
    const std::uint32_t components = image.m_components;
    Release();
    m_name = NGl::CreateTexture();
    NGl::BindTexture(m_name);
    NGl::TexEnvMode(GL_MODULATE);
    // RGB rows are rarely a multiple of four bytes; GL's default alignment
    // would read past the end of each row.
    const GLint previousAlignment = NGl::SetUnpackAlignment(1);
    m_origin[0] = m_origin[1] = 0.0f;
    m_stretch[0] = m_stretch[1] = 1.0f;
    bool cropped = false;
    if (m_next_ratio == 2 && m_screen[0] > 0.0f && m_screen[1] > 0.0f)
        cropped = CropToScreen(image);
    const GLsizei width = static_cast<GLsizei>(image.m_width);
    const GLsizei height = static_cast<GLsizei>(image.m_height);
    if (m_next_ratio == 2)
    {
        // A twin is shown at 1.25 to 2 times the picture: between its own
        // pixels and half of them. It gets a level of half its size (all
        // levels where the picture is drawn smaller still), made here: GL's
        // own generation compiles and runs a blit per level, a quarter of a
        // second at start-up. The nearest level is sampled, biased half a
        // level towards the finer: in that range the twin's own pixels, as
        // crisp as a slight minification allows, and the half level where a
        // picture is drawn at less than half of it. Blending two levels
        // costs llvmpipe half as much again per pixel.
        NGl::TexParameter(GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
        NGl::TexParameter(GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        // A kept part's edge is the screen's: no texel from the other side.
        const GLint edge = cropped ? GL_CLAMP_TO_EDGE : !mipmaps || wrap ? GL_REPEAT : GL_CLAMP;
        NGl::TexParameter(GL_TEXTURE_WRAP_S, edge);
        NGl::TexParameter(GL_TEXTURE_WRAP_T, edge);
        NGl::TexLodBias(-0.5f);
        NGl::TexImage2D(0, 4, width, height, format, GL_UNSIGNED_BYTE, image.m_pixels.data());
        GLint level = 0;
        if (!NGl::IsHeadless())
        {
            CImage smaller = HalfSize(image);
            image = CImage(); // its texture holds it now
            for (;;)
            {
                NGl::TexImage2D(++level, 4, static_cast<GLsizei>(smaller.m_width),
                                static_cast<GLsizei>(smaller.m_height), format, GL_UNSIGNED_BYTE,
                                smaller.m_pixels.data());
                if (!mipmaps || (smaller.m_width == 1 && smaller.m_height == 1))
                    break;
                smaller = HalfSize(smaller);
            }
        }
        NGl::TexParameter(GL_TEXTURE_MAX_LEVEL, level);
    }
    else if (mipmaps)
    {
        NGl::TexParameter(GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
        NGl::TexParameter(GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        NGl::TexParameter(GL_TEXTURE_WRAP_S, wrap ? GL_REPEAT : GL_CLAMP);
        NGl::TexParameter(GL_TEXTURE_WRAP_T, wrap ? GL_REPEAT : GL_CLAMP);
        NGl::Build2DMipmaps(static_cast<GLint>(image.m_components), width, height, format, GL_UNSIGNED_BYTE,
                            image.m_pixels.data());
    }
    else
    {
        // Single-level textures always repeat; the pictures were made with that.
        NGl::TexParameter(GL_TEXTURE_WRAP_S, GL_REPEAT);
        NGl::TexParameter(GL_TEXTURE_WRAP_T, GL_REPEAT);
        NGl::TexParameter(GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        NGl::TexParameter(GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        NGl::TexImage2D(0, 4, width, height, format, GL_UNSIGNED_BYTE, image.m_pixels.data());
    }
    NGl::SetUnpackAlignment(previousAlignment);
    m_loaded = true;
    m_ratio = m_next_ratio;
    m_width = pixelWidth / m_ratio;
    m_height = pixelHeight / m_ratio;
    m_components = components;
}

bool CTexture::CropToScreen(CImage& image)
{
    // The screen's part in twin pixels, whole pixels around it.
    const auto part = [](std::uint32_t size, float screen, std::uint32_t& first, std::uint32_t& count)
    {
        const float shown = screen * 2.0f;
        if (shown >= static_cast<float>(size))
            return false;
        first = static_cast<std::uint32_t>((static_cast<float>(size) - shown) / 2.0f);
        count = size - 2 * first;
        return true;
    };
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    std::uint32_t columns = image.m_width;
    std::uint32_t rows = image.m_height;
    const bool wide = part(image.m_width, m_screen[0], x, columns);
    const bool tall = part(image.m_height, m_screen[1], y, rows);
    if (!wide && !tall)
        return false;
    CImage kept;
    kept.m_width = columns;
    kept.m_height = rows;
    kept.m_components = image.m_components;
    const std::size_t rowBytes = static_cast<std::size_t>(columns) * image.m_components;
    kept.m_pixels.resize(rowBytes * rows);
    for (std::uint32_t row = 0; row < rows; ++row)
        std::copy_n(image.Pixel(x, y + row), rowBytes, kept.m_pixels.data() + row * rowBytes);
    m_origin[0] = static_cast<float>(x) / static_cast<float>(image.m_width);
    m_origin[1] = static_cast<float>(y) / static_cast<float>(image.m_height);
    m_stretch[0] = static_cast<float>(image.m_width) / static_cast<float>(columns);
    m_stretch[1] = static_cast<float>(image.m_height) / static_cast<float>(rows);
    image = std::move(kept);
    return true;
}

bool CTexture::UploadDds(const CDdsImage& image, bool wrap)
{
    const std::vector<CDdsSurface>& levels = image.m_faces.front();
    const GLuint name = NGl::CreateTexture();
    NGl::BindTexture(name);
    // Without stored mip levels a mipmapping filter would leave the texture
    // incomplete, and GL would draw it as if untextured.
    NGl::TexParameter(GL_TEXTURE_MIN_FILTER, levels.size() > 1 ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    NGl::TexParameter(GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    NGl::TexParameter(GL_TEXTURE_MAX_LEVEL, static_cast<GLint>(levels.size() - 1));
    NGl::TexParameter(GL_TEXTURE_WRAP_S, wrap ? GL_REPEAT : GL_CLAMP);
    NGl::TexParameter(GL_TEXTURE_WRAP_T, wrap ? GL_REPEAT : GL_CLAMP);
    GLint previousAlignment = 0;
    // BGR and luminance rows (at some mip level, if not the top) are not 4-byte multiples.
    const bool unaligned = !image.m_compressed && image.m_components != 4;
    if (unaligned)
        previousAlignment = NGl::SetUnpackAlignment(1);
    bool uploaded = true;
    for (std::size_t level = 0; level < levels.size() && uploaded; ++level)
    {
        const CDdsSurface& surface = levels[level];
        const GLsizei width = static_cast<GLsizei>(surface.m_width);
        const GLsizei height = static_cast<GLsizei>(surface.m_height);
        if (image.m_compressed)
        {
            // Headless there is no driver to ask, but the picture itself is fine.
            uploaded = NGl::CompressedTexImage2D(static_cast<GLint>(level), image.m_format, width, height,
                                                 static_cast<GLsizei>(surface.m_bytes.size()),
                                                 surface.m_bytes.data()) ||
                       NGl::IsHeadless();
        }
        else
            NGl::TexImage2D(static_cast<GLint>(level), static_cast<GLint>(image.m_components), width, height,
                            image.m_format, GL_UNSIGNED_BYTE, surface.m_bytes.data());
    }
    if (unaligned)
        NGl::SetUnpackAlignment(previousAlignment);
    if (!uploaded)
    {
        NGl::DeleteTexture(name);
        return false;
    }
    Release();
    m_name = name;
    m_loaded = true;
    m_ratio = 1;
    m_origin[0] = m_origin[1] = 0.0f;
    m_stretch[0] = m_stretch[1] = 1.0f;
    m_width = image.Width();
    m_height = image.Height();
    m_components = image.m_components;
    return true;
}

void CTexture::Draw(float x, float y, float z) const
{
    const float w = static_cast<float>(m_width);
    const float h = static_cast<float>(m_height);
    NGl::Begin(GL_TRIANGLE_STRIP);
    NGl::TexCoord(0.0f, 1.0f);
    NGl::Vertex(x, y, z);
    NGl::TexCoord(0.0f, 0.0f);
    NGl::Vertex(x, y + h, z);
    NGl::TexCoord(1.0f, 1.0f);
    NGl::Vertex(x + w, y, z);
    NGl::TexCoord(1.0f, 0.0f);
    NGl::Vertex(x + w, y + h, z);
    NGl::End();
}
