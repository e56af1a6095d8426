// FreeType glyph rendering and simple line layout for painted captions.
#include "tools/datagen/Text.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <sstream>
#include <vector>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace NDatagen
{
namespace
{
// The layouts are measured in this very typeface, so a stand-in that
// fontconfig offers in its place would move every caption: only the family
// itself will do.
constexpr const char* kFamily = "DejaVu Sans";

std::string MatchFontFile()
{
    std::string file;
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr)
        return file;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("DejaVu Sans:style=Bold"));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcChar8* family = nullptr;
    FcChar8* path = nullptr;
    int weight = 0;
    if (match != nullptr && FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
        std::string(reinterpret_cast<const char*>(family)) == kFamily &&
        FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch && weight >= FC_WEIGHT_BOLD &&
        FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
        file = reinterpret_cast<const char*>(path);
    if (match != nullptr)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return file;
}

struct SFace
{
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    std::string file;
    SFace() : file(MatchFontFile())
    {
        if (!file.empty() && FT_Init_FreeType(&library) == 0)
            if (FT_New_Face(library, file.c_str(), 0, &face) != 0)
                face = nullptr;
    }
    ~SFace()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

SFace& Face()
{
    static SFace face;
    return face;
}

// Pictures are painted on two threads; the face has one size at a time and
// the glyph cache one writer, so both are used under this lock.
std::mutex& FaceLock()
{
    static std::mutex lock;
    return lock;
}

void SetSize(float size)
{
    FT_Set_Char_Size(Face().face, 0, static_cast<FT_F26Dot6>(std::lround(size * 64)), 72, 72);
}

// RenderGlyph with the face locked by the caller.
SGlyph Render(char c, float size)
{
    SGlyph g;
    if (!TextReady())
        return g;
    SetSize(size);
    FT_Face face = Face().face;
    if (FT_Load_Char(face, static_cast<unsigned char>(c), FT_LOAD_RENDER) != 0)
        return g;
    const FT_Bitmap& bm = face->glyph->bitmap;
    g.width = static_cast<int>(bm.width);
    g.height = static_cast<int>(bm.rows);
    g.left = face->glyph->bitmap_left;
    g.top = face->glyph->bitmap_top;
    g.advance = face->glyph->advance.x / 64.0f;
    g.coverage.resize(static_cast<size_t>(g.width) * g.height);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            g.coverage[static_cast<size_t>(y) * g.width + x] = bm.buffer[y * bm.pitch + x];
    return g;
}

// Glyphs are rendered many times for outlines and repeated captions. Entries
// never change once made, so a reference stays good outside the lock.
const SGlyph& CachedGlyph(char c, float size)
{
    static std::map<std::pair<char, int>, SGlyph> cache;
    const std::lock_guard<std::mutex> locked(FaceLock());
    const auto key = std::make_pair(c, static_cast<int>(std::lround(size * 16)));
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, Render(c, size)).first;
    return it->second;
}
} // namespace

bool TextReady()
{
    return Face().face != nullptr;
}

std::string TextFontFile()
{
    return Face().file;
}

SGlyph RenderGlyph(char c, float size)
{
    const std::lock_guard<std::mutex> locked(FaceLock());
    return Render(c, size);
}

float TextWidth(const std::string& text, float size)
{
    float w = 0;
    for (char c : text)
        w += CachedGlyph(c, size).advance;
    return w;
}

float Ascent(float size)
{
    const std::lock_guard<std::mutex> locked(FaceLock());
    if (!TextReady())
        return size;
    SetSize(size);
    return Face().face->size->metrics.ascender / 64.0f;
}

float Descent(float size)
{
    const std::lock_guard<std::mutex> locked(FaceLock());
    if (!TextReady())
        return 0;
    SetSize(size);
    return -Face().face->size->metrics.descender / 64.0f;
}

static void Stamp(CImage& img, const std::string& text, float x, float y, float size, const SColour& colour,
                  float dx, float dy)
{
    // Glyphs are rendered at the picture's scale but advance as they do at
    // scale 1, so that text spans what the layout measured.
    const int s = img.Scale();
    float pen = x;
    for (char c : text)
    {
        const SGlyph& g = CachedGlyph(c, size * s);
        const int ox = static_cast<int>(std::lround((pen + dx) * s)) + g.left;
        const int oy = static_cast<int>(std::lround((y + dy) * s)) - g.top;
        for (int gy = 0; gy < g.height; ++gy)
            for (int gx = 0; gx < g.width; ++gx)
            {
                const uint8_t cov = g.coverage[static_cast<size_t>(gy) * g.width + gx];
                if (cov)
                    img.Blend(ox + gx, oy + gy, colour, cov / 255.0f);
            }
        pen += CachedGlyph(c, size).advance;
    }
}

void DrawText(CImage& img, const std::string& text, float x, float y, const STextStyle& style)
{
    const float w = TextWidth(text, style.size);
    if (style.align == EAlign::Centre)
        x -= w / 2;
    else if (style.align == EAlign::Right)
        x -= w;
    if (style.shadow > 0)
        Stamp(img, text, x, y, style.size, WithAlpha(Rgb(0, 0, 0), 0.35f), style.shadow, style.shadow);
    if (style.outline > 0)
    {
        // Stamping a ring of offset copies gives a rounded outline.
        const int steps = 16;
        for (int i = 0; i < steps; ++i)
        {
            const float a = 6.2831853f * i / steps;
            Stamp(img, text, x, y, style.size, WithAlpha(style.outlineColour, style.outlineColour.a * 0.5f),
                  std::cos(a) * style.outline, std::sin(a) * style.outline);
        }
    }
    Stamp(img, text, x, y, style.size, style.colour, 0, 0);
}

float DrawParagraph(CImage& img, const std::string& text, float x, float y, float maxWidth, float lineHeight,
                    const STextStyle& style)
{
    std::istringstream paragraphs(text);
    std::string paragraph;
    bool first = true;
    while (std::getline(paragraphs, paragraph, '\n'))
    {
        std::istringstream words(paragraph);
        std::string word, line;
        while (words >> word)
        {
            const std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && TextWidth(candidate, style.size) > maxWidth)
            {
                if (!first)
                    y += lineHeight;
                DrawText(img, line, x, y, style);
                first = false;
                line = word;
            }
            else
                line = candidate;
        }
        if (!first)
            y += lineHeight;
        DrawText(img, line, x, y, style);
        first = false;
    }
    return y;
}
} // namespace NDatagen
