// A sprite sheet cut into rows ("groups") and columns (animation frames),
// loaded from a ".spr" file and copied by everything that shows it. Its frame
// timing, place and flags are the clock the rules animate the board with.
#pragma once

#include "anim/SpriteClock.h"

#include <cstdint>
#include <string>

class CFileSystem;
class CTexture;

class CSprite : public NGame::CSpriteClock
{
  public:
    CSprite() = default;
    // A prototype over a sheet someone else owns (or none: a null texture
    // keeps the frame timing and draws nothing useful). Counts below 1 count
    // as 1; the cell size is the sheet's size divided by the counts.
    CSprite(int groups, int frames, std::uint32_t frameTime, CTexture* texture);
    // Copies share the prototype's texture and never release it.
    CSprite(const CSprite& other);
    CSprite& operator=(const CSprite&) = delete;
    virtual ~CSprite();

    // Reads the sprite file and (re)loads its sheet into the sprite's own
    // texture object, which a reload keeps so that copies stay valid.
    bool LoadSpriteFile(const CFileSystem& files, const std::string& fileName);
    void ReleaseTexture();

    // With bind false the caller has already bound the sheet (many copies in a row).
    void Draw(bool bind) const;

    CTexture* GetTexture() const { return m_texture; }
    bool OwnsTexture() const { return m_owns_texture; }

    // Texture coordinates of the current cell: s0, s1 across, t0, t1 along the stored rows.
    void CellCoordinates(float& s0, float& s1, float& t0, float& t1) const;

  private:
    // The sheet's size divided by the counts, in whole pixels.
    void FitCellsToSheet();

    CTexture* m_texture = nullptr;
    const CFileSystem* m_files = nullptr;
    bool m_owns_texture = false;
};
