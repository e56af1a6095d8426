// Where every control of every screen stands. The layout files and the
// pictures painted behind the controls (captions, tracks, frames) both read
// these numbers, so they cannot drift apart; what the game draws without a
// control stands in catalogue/Places.h, which the game shares.
#pragma once

#include "catalogue/Opponents.h"
#include "catalogue/Places.h"

#include <string>
#include <vector>

namespace NDatagen
{
struct SPlace
{
    std::string name;
    float x, y;
};

// Picture sizes of the controls (one band).
constexpr int kButtonW = 256, kButtonH = 64;      // menu buttons, 4 bands
constexpr int kSmallButtonW = 128;                // page arrows, 4 bands of 64
constexpr int kCheckSize = 32;                    // check boxes, 4 bands
constexpr int kThumbW = 32, kThumbH = 32;         // slider thumb, 2 bands
constexpr int kEditW = 320, kEditH = 48;          // edit box, 2 bands
constexpr int kBonusW = 48, kBonusH = 48;         // bonus buttons, 4 bands
constexpr int kMenuBtnTexW = 128, kMenuBtnH = 32; // the game's main-menu button
constexpr int kHintCheck = 32;                    // hint check box, 4 bands

// A background picture is drawn from the backdrop's corner, above and left of
// the screen's.
constexpr float kBgOffsetX = -NPlaces::kBackdropLeft, kBgOffsetY = -NPlaces::kBackdropTop;

// Main menu ("mui/main_wnd.txt").
inline const std::vector<SPlace> kMainLayout = {{"m_game_btn", 272, 215},      {"m_help_btn", 272, 285},
                                                {"m_top_btn", 272, 355},       {"m_options_btn", 272, 425},
                                                {"m_quit_game_btn", 272, 495}, {"m_game_adv_btn", 0, 0},
                                                {"m_game_custom_btn", 0, 0},   {"m_continue_btn", 0, 0},
                                                {"m_fullscreen_btn", 0, 0},    {"m_mini_btn", 0, 0}};

// Options ("mui/options_wnd.txt"). The opponent's three boxes share the
// bottom row with their caption, in a smaller size so that they fit it; the
// row above it holds the column's last box, Show zones.
constexpr float kVolumeTrackLength = NPlaces::Length(NPlaces::ELength::kVolumeTrack).m_value;
constexpr float kOpponentCaptionX = 100, kOpponentRowY = 468, kOpponentTextSize = 20;
inline const std::vector<SPlace> kOptionsLayout = {
    {"m_close_btn", 272, 516},
    {"m_musik_volume_track_bar", 330, 196},
    {"m_sound_cb", 330, 248},
    {"m_hints_cb", 330, 292},
    {"m_dragons_cb", 330, 336},
    {"m_fs_cb", 330, 380},
    {"m_zones_cb", 330, 424},
    {NOpponents::kOpponents[NOpponents::kGentle].m_box_key, 225, kOpponentRowY},
    {NOpponents::kOpponents[NOpponents::kLevel].m_box_key, 352, kOpponentRowY},
    {NOpponents::kOpponents[NOpponents::kFierce].m_box_key, 594, kOpponentRowY}};

// Level choice ("mui/custom_wnd.txt"). The slider's end labels ("1", "100")
// stand centred under the thumb's centre at either end, their baseline this
// far below the track's top: clear of the thumb.
constexpr float kLevelTrackLength = NPlaces::Length(NPlaces::ELength::kLevelTrack).m_value;
constexpr float kLevelLabelSize = 14, kLevelLabelDrop = 51;
inline const std::vector<SPlace> kCustomLayout = {
    {"m_close_btn", 130, 505},   {"m_ok_btn", 414, 505},    {"m_cb_classic", 450, 220},
    {"m_cb_advanced", 450, 280}, {"m_cb_moving", 450, 340}, {"m_level_track_bar", 140, 426}};
// What the game draws there: the preview board (scaled by its size), the
// level number and the lock.
constexpr NPlaces::SPlace kPreview = NPlaces::Place(NPlaces::EPlace::kPreview);
constexpr NPlaces::SPlace kChosenLevel = NPlaces::Place(NPlaces::EPlace::kChosenLevel);
constexpr NPlaces::SPlace kLock = NPlaces::Place(NPlaces::EPlace::kLock);

// Help ("mui/help_wnd.txt").
inline const std::vector<SPlace> kHelpLayout = {
    {"m_close_btn", 272, 524}, {"m_prev_btn", 110, 524}, {"m_next_btn", 562, 524}};

// Top-7 ("mui/top_wnd.txt").
inline const std::vector<SPlace> kTopLayout = {
    {"m_close_btn", 272, 524}, {"m_prev_btn", 110, 524}, {"m_next_btn", 562, 524}, {"m_stats_btn", 636, 30}};
constexpr float kTopFontSize = 26, kTopNumSpace = 46, kTopScoreSpace = 250;
// A row's opponent mark (a gentle or fierce one) stands this far left of
// the name, in the band's margin before the rank, this size.
constexpr float kTopOpponentSpace = 108, kTopOpponentSize = 13;
constexpr float kTopRowX = 280, kTopRowY = 215, kTopRowStep = 40;

// Statistics ("mui/stats_wnd.txt"), on the help page's parchment.
inline const std::vector<SPlace> kStatsLayout = {{"m_close_btn", 272, 524}};

// Dialogs: control positions are relative to the dialog's corner; the
// parchment lies a margin inside the dialog's picture.
constexpr float kContinueMargin = 16; // 512 x 512
inline const std::vector<SPlace> kContinueLayout = {
    {"m_continuesaved_btn", 128, 290}, {"m_startnew_btn", 128, 356}, {"m_cancel_btn", 128, 422}};
constexpr float kEnterNameMargin = 12; // 512 x 256
inline const std::vector<SPlace> kEnterNameLayout = {{"m_ok_btn", 128, 176}};
constexpr float kEditBoxX = 96, kEditBoxY = 96;

// Game screen ("dat/bonuses_buttons.txt"): bonus buttons along the bottom
// edge below the board in bar order, the main-menu button in the top-right
// corner.
constexpr float kBonusRowX = 114, kBonusRowY = 552, kBonusPitch = 52;
constexpr float kMenuBtnX = 672, kMenuBtnY = 62;

std::vector<SPlace> BonusLayout();
} // namespace NDatagen
