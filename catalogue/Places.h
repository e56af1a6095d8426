// Where the game draws what no control places: the game screen's numbers,
// messages and tooltip, the dialogs and their texts, the level choice's
// preview, number and lock. The data generator paints around these places and
// writes them into the layout files; the game reads them there and keeps
// these numbers where a key is missing or damaged.
#pragma once

#include "catalogue/IdTable.h"

#include <array>
#include <cstddef>

namespace NPlaces
{
enum class EPlace
{
    kFlowersNumber,
    kRivalNumber,
    kPurse,
    kLivesNumber,
    kScoreNumber,
    kLevelNumber,
    kTooltip,
    kGameOverTitle,
    kGameOverScore,
    kGameOverContinue,
    kLevelLostTitle,
    kLevelLostLife,
    kLevelLostContinue,
    kLevelWonTitle,
    kLevelWonContinue,
    kMovingResult,
    kHintBoard,
    kHintPie,
    kHintFlower,
    kContinueDialog,
    kContinueLevel,
    kContinueScore,
    kNameDialog,
    kPreview,
    kChosenLevel,
    kLock,
    kLevelBest,
    kTopTitle,
    kRivalChoice,
    kStatsTitle,
    kStatsHeader,
    kStatsLabels,
    kStatsBests,
    kCount
};

struct SPlace
{
    EPlace m_id;
    const char* m_file; // the layout file that holds it
    const char* m_key;  // written as key.x and key.y, and key.size unless m_size is 0
    float m_x;
    float m_y;
    float m_size; // a text's size or a picture's scale
};

// The layout files. The game screen's also places its buttons; a dialog's
// places but its own corner are relative to that corner.
constexpr const char* kGameFile = "dat/bonuses_buttons.txt";
constexpr const char* kContinueFile = "mui/continue_dlg.txt";
constexpr const char* kNameFile = "mui/entername_dlg.txt";
constexpr const char* kLevelChoiceFile = "mui/custom_wnd.txt";
constexpr const char* kTopFile = "mui/top_wnd.txt";
constexpr const char* kOptionsFile = "mui/options_wnd.txt";
constexpr const char* kStatsFile = "mui/stats_wnd.txt";
// The picture that stands while the game loads.
constexpr const char* kIntroPicture = "mui/bgs/intro.jpg";

// The status numbers are centred on their x, like the messages, whose lines
// the game centres on the screen; the tooltip is centred over the bonus bar.
constexpr std::array<SPlace, static_cast<std::size_t>(EPlace::kCount)> kPlaces = {{
    {EPlace::kFlowersNumber, kGameFile, "m_flowers_number", 80, 40, 24},
    {EPlace::kRivalNumber, kGameFile, "m_rival_number", 718, 40, 24},
    {EPlace::kPurse, kGameFile, "m_purse", 67, 90, 22},
    {EPlace::kLivesNumber, kGameFile, "m_lives_number", 72, 500, 24},
    {EPlace::kScoreNumber, kGameFile, "m_score_number", 81, 550, 24},
    {EPlace::kLevelNumber, kGameFile, "m_level_number", 717, 550, 24},
    {EPlace::kTooltip, kGameFile, "m_tooltip", 50, 530, 15},
    {EPlace::kGameOverTitle, kGameFile, "m_game_over_title", 400, 300, 50},
    {EPlace::kGameOverScore, kGameFile, "m_game_over_score", 400, 350, 30},
    {EPlace::kGameOverContinue, kGameFile, "m_game_over_continue", 400, 450, 25},
    {EPlace::kLevelLostTitle, kGameFile, "m_level_lost_title", 400, 300, 40},
    {EPlace::kLevelLostLife, kGameFile, "m_level_lost_life", 400, 345, 30},
    {EPlace::kLevelLostContinue, kGameFile, "m_level_lost_continue", 400, 450, 30},
    {EPlace::kLevelWonTitle, kGameFile, "m_level_won_title", 400, 300, 40},
    {EPlace::kLevelWonContinue, kGameFile, "m_level_won_continue", 400, 450, 30},
    // A moving level's moves, par and best, under its title.
    {EPlace::kMovingResult, kGameFile, "m_moving_result", 400, 360, 26},
    // The first hint's animations, over the spaces its picture leaves free.
    {EPlace::kHintBoard, kGameFile, "m_hint_board", 573, 209, 0},
    {EPlace::kHintPie, kGameFile, "m_hint_pie", 226, 224, 0},
    {EPlace::kHintFlower, kGameFile, "m_hint_flower", 219, 391, 0},
    {EPlace::kContinueDialog, kContinueFile, "m_dialog", 144, 44, 0},
    {EPlace::kContinueLevel, kContinueFile, "m_level_text", 162, 231, 25},
    {EPlace::kContinueScore, kContinueFile, "m_score_text", 164, 261, 25},
    {EPlace::kNameDialog, kNameFile, "m_dialog", 144, 172, 0},
    {EPlace::kPreview, kLevelChoiceFile, "m_preview", 173, 188, 0.262f},
    {EPlace::kChosenLevel, kLevelChoiceFile, "m_level_number", 324, 401, 40},
    {EPlace::kLock, kLevelChoiceFile, "m_lock", 120, 210, 0},
    // A moving level's fewest moves, right of its number.
    {EPlace::kLevelBest, kLevelChoiceFile, "m_level_best", 445, 398, 24},
    {EPlace::kTopTitle, kTopFile, "m_title", 400, 155, 0},
    // The flower the rival chose last, at the right end of its plate.
    {EPlace::kRivalChoice, kGameFile, "m_rival_choice", 768, 31, 34},
    // The statistics: the title; the first set's name, centred over its
    // column; the first row's caption (a row per figure below it); the
    // moving levels' bests, a line of them under their caption.
    {EPlace::kStatsTitle, kStatsFile, "m_title", 400, 86, 34},
    {EPlace::kStatsHeader, kStatsFile, "m_header", 380, 140, 18},
    {EPlace::kStatsLabels, kStatsFile, "m_labels", 80, 190, 22},
    {EPlace::kStatsBests, kStatsFile, "m_bests", 80, 420, 20},
}};

static_assert(NCatalogue::InIdOrder(kPlaces), "each place stands at its own index");

// The built-in place.
constexpr const SPlace& Place(EPlace id)
{
    return kPlaces[static_cast<std::size_t>(id)];
}

// A value read for a place when it is one a screen can use (a size above
// 0, a position within reach of the screen), else the built-in one.
float Checked(float read, float builtIn, bool size);

// Lengths beside the places, written as "key value": how far a slider's thumb
// runs along the groove painted for it, and how far right of a check box its
// painted caption takes clicks.
enum class ELength
{
    kVolumeTrack,
    kLevelTrack,
    kSoundCaption,
    kHintsCaption,
    kDragonsCaption,
    kFullScreenCaption,
    kSetCaption,
    kZonesCaption,
    kStatsRowStep,
    kStatsColumnStep,
    kStatsBestStep,
    kGentleCaption,
    kLevelOpponentCaption,
    kFierceCaption,
    kCount
};

struct SLength
{
    ELength m_id;
    const char* m_file;
    const char* m_key;
    float m_value;
};

constexpr std::array<SLength, static_cast<std::size_t>(ELength::kCount)> kLengths = {{
    {ELength::kVolumeTrack, kOptionsFile, "m_musik_volume_track_bar.length", 204},
    {ELength::kLevelTrack, kLevelChoiceFile, "m_level_track_bar.length", 495},
    {ELength::kSoundCaption, kOptionsFile, "m_sound_cb.caption_width", 110},
    {ELength::kHintsCaption, kOptionsFile, "m_hints_cb.caption_width", 80},
    {ELength::kDragonsCaption, kOptionsFile, "m_dragons_cb.caption_width", 165},
    {ELength::kFullScreenCaption, kOptionsFile, "m_fs_cb.caption_width", 165},
    {ELength::kSetCaption, kLevelChoiceFile, "m_cb_caption_width", 220},
    {ELength::kZonesCaption, kOptionsFile, "m_zones_cb.caption_width", 165},
    {ELength::kStatsRowStep, kStatsFile, "m_row_step", 42},
    {ELength::kStatsColumnStep, kStatsFile, "m_column_step", 140},
    {ELength::kStatsBestStep, kStatsFile, "m_best_step", 66},
    {ELength::kGentleCaption, kOptionsFile, "m_opponent_gentle_cb.caption_width", 84},
    {ELength::kLevelOpponentCaption, kOptionsFile, "m_opponent_level_cb.caption_width", 198},
    {ELength::kFierceCaption, kOptionsFile, "m_opponent_fierce_cb.caption_width", 76},
}};
static_assert(NCatalogue::InIdOrder(kLengths), "each length stands at its own index");

constexpr const SLength& Length(ELength id)
{
    return kLengths[static_cast<std::size_t>(id)];
}

// Every backdrop picture is a square of this side, centred on the 800 x 600
// screen, from (kBackdropLeft, kBackdropTop) to (kBackdropRight, kBackdropBottom).
constexpr float kBackdropSide = 1024;
constexpr float kBackdropLeft = (800 - kBackdropSide) / 2, kBackdropTop = (600 - kBackdropSide) / 2;
constexpr float kBackdropRight = kBackdropLeft + kBackdropSide,
                kBackdropBottom = kBackdropTop + kBackdropSide;

// The places of one screen as its layout file gave them.
class CPlaces
{
  public:
    const SPlace& operator[](EPlace id) const { return m_places[static_cast<std::size_t>(id)]; }
    void Set(const SPlace& place) { m_places[static_cast<std::size_t>(place.m_id)] = place; }

  private:
    std::array<SPlace, kPlaces.size()> m_places = kPlaces;
};
} // namespace NPlaces
