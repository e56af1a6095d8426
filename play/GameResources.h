// The game's resources: "dat/game.txt" (level counts, bonus prices), the hint
// table, the "game" resource group's textures and sprites, the seven game
// sounds and the game font (the object is itself the font renderer).
#pragma once

#include "media/BitmapText.h"
#include "play/BoardPainter.h"
#include "rules/BonusTable.h"
#include "rules/Field.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CFileSystem;
class CSound;
class CSprite;
class CTexture;

namespace NGame
{
enum EGameSound
{
    kSoundStartPaint,
    kSoundWrongPaint,
    kSoundLevelComplete,
    kSoundLifeLost,
    kSoundGameOver,
    kSoundBonus,
    kSoundButtonClick,
    kGameSoundCount
};
extern const std::array<const char*, kGameSoundCount> kGameSoundFiles;

// One picture hint: picture and check box positions (the box's absolute).
struct SHintRecord
{
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_check_x = 0.0f;
    float m_check_y = 0.0f;
    // Its place in the hints file, which numbers its picture.
    std::size_t m_picture = 0;
    CTexture* m_texture = nullptr;
};
} // namespace NGame

class CGameResources : public CBitmapText
{
  public:
    explicit CGameResources(const CFileSystem& files);
    ~CGameResources() override;
    CGameResources(const CGameResources&) = delete;
    CGameResources& operator=(const CGameResources&) = delete;

    // The shapes of the sheets a board animates with, and the painter that
    // draws it with the sheets themselves (the game's board and the level
    // choice's preview share them).
    NGame::SFieldResources BoardSheets() const;
    std::unique_ptr<NGame::CBoardPainter> BoardPainter() const;

    // The configured number of levels of a set (NLevelSets::SLevelSet).
    int GetLevelCount(NLevelSets::ESet set) const { return m_level_counts[set]; }
    int GetPrice(int bonus) const
    {
        return bonus >= 0 && bonus < NGame::BonusKindCount ? m_prices[bonus] : 0;
    }

    // Records 0..tutorial length - 1 are the tutorial, the next one the
    // wrong-colour hint, and the moving set's own hints (marked set="moving"
    // in the file, wherever they stand) come after it. Never negative, even
    // for an empty table.
    int GetTutorialLength() const { return m_tutorial_length; }
    std::size_t GetHintCount() const { return m_hints.size(); }
    // Null outside the table.
    NGame::SHintRecord* GetHint(std::size_t index);
    // The wrong-colour hint's number; -1 when the table has none.
    int GetWrongColourHint() const { return m_classic_hints == 0 ? -1 : m_tutorial_length; }
    // The numbers of the hints a moving game opens instead of the tutorial.
    std::vector<int> GetMovingHints() const;

    CTexture* GetBackground() const { return m_background; }
    CTexture* GetMainMenuButton() const { return m_main_menu_button; }
    CTexture* GetBonusButton(int bonus) const { return m_bonus_buttons.at(bonus); }
    CTexture* GetHintsCheckBox() const { return m_hints_check_box; }
    CSprite* GetSkin(int slot) const { return m_skins.at(slot); }
    CSprite* GetInsects() const { return m_insects; }
    CSprite* GetMarker() const { return m_marker; }
    CSprite* GetGameplayHint() const { return m_gameplay_hint; }
    CSprite* GetHalfHint() const { return m_half_hint; }
    CSprite* GetSkinHint() const { return m_skin_hint; }
    CSprite* GetCoinHint() const { return m_coin_hint; }
    CSprite* GetCoins() const { return m_coins; }
    // Null when there is no sound device or no such sample.
    CSound* GetSound(int sound) const { return m_sounds.at(sound).get(); }

  private:
    // The flower sheet the board uses, null for the board's stand-in.
    const CSprite* BoardCells() const;

    void ReadConfiguration(const CFileSystem& files);
    void ReadHints(const CFileSystem& files);
    void LoadGroup(const CFileSystem& files);

    std::array<int, NLevelSets::kCount> m_level_counts{};
    int m_tutorial_length = 0;
    // The tutorial and the wrong-colour hint, before the moving set's.
    int m_classic_hints = 0;
    std::array<int, NGame::BonusKindCount> m_prices{};
    std::vector<std::unique_ptr<NGame::SHintRecord>> m_hints;
    std::array<CSprite*, 3> m_skins{};
    CTexture* m_font_texture = nullptr;
    CTexture* m_background = nullptr;
    CTexture* m_main_menu_button = nullptr;
    std::array<CTexture*, NGame::BonusKindCount> m_bonus_buttons{};
    CTexture* m_hints_check_box = nullptr;
    CSprite* m_insects = nullptr;
    CSprite* m_marker = nullptr;
    CSprite* m_gameplay_hint = nullptr;
    CSprite* m_half_hint = nullptr;
    CSprite* m_skin_hint = nullptr;
    CSprite* m_coin_hint = nullptr;
    CSprite* m_coins = nullptr;
    std::array<std::unique_ptr<CSound>, NGame::kGameSoundCount> m_sounds;
};

// The instance, created from the process's file system on first use.
CGameResources* GetGameResources();
// The instance if there is one; the game and the board never create it.
CGameResources* FindGameResources();
void ReleaseGameResources();
// Tests and tools that build the resources from their own files.
CGameResources* CreateGameResourcesFrom(const CFileSystem& files);

// The level masks of the data files.
NGame::CField::MaskReader DataFileMasks();
