// Loads and releases the game's configuration, hint table, resource group,
// sounds and font.
#include "play/GameResources.h"

#include "markup/MarkupNode.h"
#include "media/ResourceGroup.h"
#include "media/Sound.h"
#include "media/Sprite.h"
#include "media/Texture.h"
#include "storage/FileSystem.h"
#include "storage/PropertyFile.h"
#include "storage/Settings.h"

#include <cstdio>
#include <optional>

namespace NGame
{
const std::array<const char*, kGameSoundCount> kGameSoundFiles = {
    "wav/start_paint.wav", "wav/wrong_paint.wav", "wav/lev_complete.wav", "wav/life_lost.wav",
    "wav/game_over.wav",   "wav/bonus.wav",       "wav/btn_click.wav"};
} // namespace NGame

namespace
{
std::unique_ptr<CGameResources>& Instance()
{
    static std::unique_ptr<CGameResources> instance;
    return instance;
}

// The shape of a loaded sheet, for the rules to animate with.
std::optional<NGame::CSpriteClock> ClockOf(const CSprite* sheet)
{
    if (!sheet)
        return std::nullopt;
    return NGame::CSpriteClock(sheet->GetGroupCount(), sheet->GetFrameCount(), sheet->GetFrameTime(),
                               sheet->GetCellWidth(), sheet->GetCellHeight());
}
} // namespace

CGameResources::CGameResources(const CFileSystem& files)
{
    ReadConfiguration(files);
    ReadHints(files);
    LoadGroup(files);
    for (int i = 0; i < NGame::kGameSoundCount; ++i)
        m_sounds[i].reset(CSound::LoadSound(NGame::kGameSoundFiles[i], 1));
}

CGameResources::~CGameResources()
{
    DeleteGroup("game");
}

void CGameResources::ReadConfiguration(const CFileSystem& files)
{
    CPropertyFile config;
    config.Load(files, "dat/game.txt", true);
    for (const NLevelSets::SLevelSet& set : NLevelSets::kSets)
        m_level_counts[set.m_id] = NLevelSets::ConfiguredCount(set, config);
    for (const NGame::SBonusInfo& bonus : NGame::kBonusTable)
        m_prices[bonus.m_kind] = config.GetInt(bonus.PriceKey(), 0);
}

void CGameResources::ReadHints(const CFileSystem& files)
{
    const CDataBuffer bytes = files.ReadFile("dat/hints/hints.xml");
    CMarkupNode root;
    if (bytes.Size() > 0)
        root.ParseMarkup(reinterpret_cast<const char*>(bytes.Data()), bytes.Size());
    std::vector<std::unique_ptr<NGame::SHintRecord>> moving;
    for (const CMarkupNode* node : root.GetChildren())
    {
        auto record = std::make_unique<NGame::SHintRecord>();
        record->m_x = node->GetFloatAttribute("posx", 0.0f);
        record->m_y = node->GetFloatAttribute("posy", 0.0f);
        record->m_check_x = record->m_x + node->GetFloatAttribute("posxcb", 0.0f);
        record->m_check_y = record->m_y + node->GetFloatAttribute("posycb", 0.0f);
        record->m_picture = m_hints.size() + moving.size();
        (node->GetAttribute("set", "") == "moving" ? moving : m_hints).push_back(std::move(record));
    }
    m_classic_hints = static_cast<int>(m_hints.size());
    // An empty table has no tutorial and no wrong-colour hint rather than a
    // negative length.
    m_tutorial_length = m_hints.empty() ? 0 : m_classic_hints - 1;
    for (auto& record : moving)
        m_hints.push_back(std::move(record));
}

std::vector<int> CGameResources::GetMovingHints() const
{
    std::vector<int> records;
    for (int i = m_classic_hints; i < static_cast<int>(m_hints.size()); ++i)
        records.push_back(i);
    return records;
}

void CGameResources::LoadGroup(const CFileSystem& files)
{
    CResourceGroup& group = *CreateGroup("game", files);
    group.AddTexture("mui/font.tga", "m_game_font_tex", false, false);
    m_font_texture = group.GetTexture("m_game_font_tex");
    const CDataBuffer font = files.ReadFile("mui/font.tga");
    if (font.Size() > 0)
        LoadMetrics(font.Data(), font.Size(), m_font_texture);
    // Decoded when a board is first drawn over it, released when the menu is
    // back (CMainMenu): the menus never show it.
    m_background = group.AddTextureOnDemand("dat/game_bg.jpg", "game_bg1", false, false, true);
    m_background->CentreOn(CSettings::kLogicalWidth, CSettings::kLogicalHeight);

    const auto sprite = [&group](const char* file, const char* name)
    {
        group.AddSprite(file, name);
        return group.GetSprite(name);
    };
    CSprite* skin = sprite("dat/skin01.spr", "skin01");
    m_skins = {skin, skin, skin};
    m_gameplay_hint = sprite("dat/hints/gameplay.spr", "m_gameplay_hint");
    m_half_hint = sprite("dat/hints/half.spr", "m_half_hint");
    m_skin_hint = sprite("dat/hints/skin01.spr", "m_skin_hint");
    m_coin_hint = sprite("dat/hints/bonus.spr", "m_coin_hint");
    m_coins = sprite("dat/bonus.spr", "m_bonus");
    m_insects = sprite("dat/insects.spr", "insects");
    m_marker = sprite("dat/marker.spr", "marker");

    m_main_menu_button = group.AddTexture("dat/maun_menu_btn.tga", "m_main_menu_btn", false, true);
    for (const NGame::SBonusInfo& bonus : NGame::kBonusTable)
        m_bonus_buttons[bonus.m_kind] = group.AddTexture(bonus.ButtonFile(), bonus.ButtonName(), false, true);
    m_hints_check_box = group.AddTexture("dat/hints_checkbox.tga", "m_hints_checkbox", false, true);

    // A game shows one hint at a time, and most games none.
    for (const auto& hint : m_hints)
    {
        char name[48];
        std::snprintf(name, sizeof name, "dat/hints/hint%02zu.tga", hint->m_picture);
        hint->m_texture = group.AddTextureOnDemand(name, name, false, false);
    }
}

NGame::SHintRecord* CGameResources::GetHint(std::size_t index)
{
    return index < m_hints.size() ? m_hints[index].get() : nullptr;
}

CGameResources* CreateGameResourcesFrom(const CFileSystem& files)
{
    Instance().reset();
    Instance() = std::make_unique<CGameResources>(files);
    return Instance().get();
}

CGameResources* GetGameResources()
{
    if (!Instance())
    {
        static const CFileSystem empty;
        const CFileSystem* files = CFileSystem::Get();
        Instance() = std::make_unique<CGameResources>(files ? *files : empty);
    }
    return Instance().get();
}

CGameResources* FindGameResources()
{
    return Instance().get();
}

void ReleaseGameResources()
{
    Instance().reset();
}

const CSprite* CGameResources::BoardCells() const
{
    // A flip ends on the sheet's middle and last frames; a sheet that failed to
    // load has one frame and would leave the board settling for ever, so the
    // board's own flower grid (drawing nothing) stands in for it.
    const CSprite* skin = GetSkin(0);
    return skin && skin->GetFrameCount() >= 2 ? skin : nullptr;
}

NGame::SFieldResources CGameResources::BoardSheets() const
{
    NGame::SFieldResources sheets;
    sheets.m_cell_clock = ClockOf(BoardCells());
    sheets.m_coin_clock = ClockOf(GetCoins());
    sheets.m_insect_clock = ClockOf(GetInsects());
    return sheets;
}

std::unique_ptr<NGame::CBoardPainter> CGameResources::BoardPainter() const
{
    return std::make_unique<NGame::CBoardPainter>(BoardCells(), GetCoins(), GetInsects(), GetBackground());
}

NGame::CField::MaskReader DataFileMasks()
{
    return [](const std::string& name)
    {
        const CFileSystem* files = CFileSystem::Get();
        return files ? files->ReadFile(name).Shared() : nullptr;
    };
}
