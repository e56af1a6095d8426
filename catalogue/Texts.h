// Every text a player reads, whether the data generator paints it into a
// picture or the game draws it at run time, by its id: one English table that
// both share, the first step towards translations. The bonus kinds' names,
// tooltips and help texts stand in the bonus table instead.
#pragma once

#include "catalogue/IdTable.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>

namespace NTexts
{
enum class EText
{
    // Drawn by the game with its bitmap font; the score, the purse, the
    // tooltip's key, the saved game's lines and a top-7 row's rank are
    // formats.
    kGameOver,
    kFinalScore,
    kLevelNotCompleted,
    kLifeLost,
    kLevelCompleted,
    kClickToContinue,
    kMoney,
    kTooltipKey,
    kSavedLevel,
    kSavedScore,
    kDefaultName,
    kClassicTable,
    kAdvancedTable,
    kTableRank,
    // A moving level's plate and end message, and the statistics page.
    kMovesCount,
    kParCount,
    kMovingResult,
    kStatsTitle,
    kStatsGames,
    kStatsWon,
    kStatsLost,
    kStatsBestScore,
    kStatsLongestRun,
    kStatsBests,
    kStatsBest,
    kBestMoves,
    // The opponents: the options' choices, and a top-7 row's mark.
    kOpponentGentle,
    kOpponentLevel,
    kOpponentFierce,
    // Painted into the pictures by the data generator (the game's name is
    // the window's title too).
    kGameName,
    // The labels on the game screen's plates.
    kYourFlowers,
    kRival,
    kLives,
    kScore,
    kLevel,
    // Buttons.
    kPlay,
    kAdvanced,
    kCustom,
    kContinue,
    kQuit,
    kOk,
    kHelp,
    kTop7,
    kOptions,
    kMinimise,
    kFullScreen,
    kNext,
    kPrev,
    kStats,
    kBack,
    kCancel,
    kStart,
    kNewGame,
    kMenu,
    // The menus and the dialogs.
    kTagline,
    kLoading,
    kMusic,
    kSound,
    kHints,
    kDragons,
    kShowZones,
    kOpponent,
    kChooseLevel,
    kLevelCaption,
    kClassicLevels,
    kAdvancedLevels,
    kMovingLevels,
    kNotReached,
    kSavedGame,
    kGameWaiting,
    kNewHighScore,
    kEnterYourName,
    // The hints.
    kShowHints,
    kCloseHint,
    kWelcome,
    kWelcomeMove,
    kWelcomeWin,
    kWelcomeCoins,
    kPieWin,
    kPieHalf,
    kHomeTitle,
    kHomeText,
    kFlowersTitle,
    kFlowersText,
    kRivalTitle,
    kRivalText,
    kPurseTitle,
    kPurseText,
    kBonusesTitle,
    kBonusesText,
    kCoinsTitle,
    kCoinsText,
    kThisOneTitle,
    kThisOneText,
    kLivesTitle,
    kLivesText,
    kLevelTitle,
    kLevelText,
    kWrongColourTitle,
    kWrongColourText,
    kMovingTitle,
    kMovingText,
    // The help pages.
    kHelpGardenTitle,
    kHelpGarden,
    kHelpGardenEnd,
    kHelpCapturingTitle,
    kHelpCapturing,
    kHelpPreview,
    kHelpZones,
    kHelpFlowersTitle,
    kHelpFlowers,
    kHelpFlower1,
    kHelpFlower2,
    kHelpFlower3,
    kHelpFlower4,
    kHelpFlower5,
    kHelpFlower6,
    kHelpKeys,
    kHelpCoinsTitle,
    kHelpCoins,
    kHelpCoin1,
    kHelpCoin5,
    kHelpCoin10,
    kHelpCoin25,
    kHelpCoin100,
    kHelpSpend,
    kHelpBonusesTitle,
    kHelpMoreBonusesTitle,
    kHelpLivesTitle,
    kHelpLives,
    kHelpScore,
    kHelpOpponent,
    kHelpMagnifierTitle,
    kHelpMagnifier,
    kHelpMenuKeys,
    kHelpSetsTitle,
    kHelpSets,
    kHelpWindow,
    kCount
};

struct SEntry
{
    EText m_id;
    const char* m_text;
};

inline constexpr std::array<SEntry, static_cast<std::size_t>(EText::kCount)> kEnglish = {{
    {EText::kGameOver, "GAME OVER"},
    {EText::kFinalScore, "Your score : %d"},
    {EText::kLevelNotCompleted, "LEVEL NOT COMPLETED"},
    {EText::kLifeLost, "you lost one life"},
    {EText::kLevelCompleted, "LEVEL COMPLETED"},
    {EText::kClickToContinue, "click to continue"},
    {EText::kMoney, "$%d,%02d"},
    {EText::kTooltipKey, "%s  (key %c)"},
    {EText::kSavedLevel, "LEVEL : %d"},
    {EText::kSavedScore, "SCORE : %d"},
    {EText::kDefaultName, "Nemo"},
    {EText::kClassicTable, "CLASSIC GAME"},
    {EText::kAdvancedTable, "ADVANCED GAME"},
    {EText::kTableRank, "%d."},
    {EText::kMovesCount, "MOVES %d"},
    {EText::kParCount, "PAR %d"},
    {EText::kMovingResult, "MOVES %d   PAR %d   BEST %d"},
    {EText::kStatsTitle, "STATISTICS"},
    {EText::kStatsGames, "Games started"},
    {EText::kStatsWon, "Levels won"},
    {EText::kStatsLost, "Levels lost"},
    {EText::kStatsBestScore, "Best score"},
    {EText::kStatsLongestRun, "Longest run won"},
    {EText::kStatsBests, "Fewest moves, moving levels:"},
    {EText::kStatsBest, "%d: %d"},
    {EText::kBestMoves, "BEST %d"},
    {EText::kOpponentGentle, "gentle"},
    {EText::kOpponentLevel, "as the level sets"},
    {EText::kOpponentFierce, "fierce"},
    {EText::kGameName, "Chromal"},
    {EText::kYourFlowers, "YOUR FLOWERS"},
    {EText::kRival, "RIVAL"},
    {EText::kLives, "LIVES"},
    {EText::kScore, "SCORE"},
    {EText::kLevel, "LEVEL"},
    {EText::kPlay, "Play"},
    {EText::kAdvanced, "Advanced"},
    {EText::kCustom, "Custom"},
    {EText::kContinue, "Continue"},
    {EText::kQuit, "Quit"},
    {EText::kOk, "OK"},
    {EText::kHelp, "Help"},
    {EText::kTop7, "Top 7"},
    {EText::kOptions, "Options"},
    {EText::kMinimise, "Minimise"},
    {EText::kFullScreen, "Full screen"},
    {EText::kNext, "Next"},
    {EText::kPrev, "Prev"},
    {EText::kStats, "Stats"},
    {EText::kBack, "Back"},
    {EText::kCancel, "Cancel"},
    {EText::kStart, "Start"},
    {EText::kNewGame, "New game"},
    {EText::kMenu, "Menu"},
    {EText::kTagline, "a garden of colours"},
    {EText::kLoading, "loading the garden..."},
    {EText::kMusic, "Music"},
    {EText::kSound, "Sound"},
    {EText::kHints, "Hints"},
    {EText::kDragons, "Dragons"},
    {EText::kShowZones, "Show zones"},
    {EText::kOpponent, "Opponent"},
    {EText::kChooseLevel, "Choose a level"},
    {EText::kLevelCaption, "Level"},
    {EText::kClassicLevels, "Classic levels"},
    {EText::kAdvancedLevels, "Advanced levels"},
    {EText::kMovingLevels, "Moving levels"},
    {EText::kNotReached, "not reached yet"},
    {EText::kSavedGame, "Saved game"},
    {EText::kGameWaiting, "A game is waiting for you."},
    {EText::kNewHighScore, "New high score!"},
    {EText::kEnterYourName, "Enter your name:"},
    {EText::kShowHints, "show hints"},
    {EText::kCloseHint, "click or press Space to close"},
    {EText::kWelcome, "Welcome!"},
    {EText::kWelcomeMove,
     "Click a flower beside your zone, or press its key 1-6: the zone takes its colour and "
     "swallows the flowers of it that touch."},
    {EText::kWelcomeWin, "When the garden is shared out, own at least half of it to win the level."},
    {EText::kWelcomeCoins,
     "Insects drop coins on flowers. Take those flowers to fill your purse, then spend it on bonuses."},
    {EText::kPieWin, "you win!"},
    {EText::kPieHalf, "half"},
    {EText::kHomeTitle, "Your home"},
    {EText::kHomeText,
     "Your zone starts here, at the left end of the middle row; a bright line runs round it. The rival "
     "starts at the right end, a dashed line round its zone."},
    {EText::kFlowersTitle, "Your flowers"},
    {EText::kFlowersText, "How many flowers your zone holds."},
    {EText::kRivalTitle, "Rival's flowers"},
    {EText::kRivalText,
     "How many flowers the rival holds, and the flower it took last. The flowers its move took glow for a "
     "moment."},
    {EText::kPurseTitle, "Your purse"},
    {EText::kPurseText, "Coins you have collected."},
    {EText::kBonusesTitle, "Bonuses"},
    {EText::kBonusesText,
     "Spend your coins here. Point at a button to see what it does; it lights up when you can pay for it."},
    {EText::kCoinsTitle, "Coins"},
    {EText::kCoinsText,
     "Insects carried coins onto the flowers. A flower with a coin pays when it joins your zone."},
    {EText::kThisOneTitle, "This one!"},
    {EText::kThisOneText, "Take this flower and its coin."},
    {EText::kLivesTitle, "Lives and score"},
    {EText::kLivesText, "Your spare lives and your score. A lost level costs a life."},
    {EText::kLevelTitle, "Level and magnifier"},
    {EText::kLevelText, "The level number. Hold the right mouse button to magnify small flowers."},
    {EText::kWrongColourTitle, "Not that colour"},
    {EText::kWrongColourText,
     "You cannot take your own colour or your rival's. Pick a flower of another colour."},
    {EText::kMovingTitle, "Moving levels"},
    {EText::kMovingText,
     "Race your zone to the rival's flower at the far end of the middle row. After every move "
     "the garden drifts one column to the left. The rival's plate counts your moves against the par."},
    {EText::kHelpGardenTitle, "The garden"},
    {EText::kHelpGarden, "You and your rival each own a zone of flowers. Yours starts at the left end of the "
                         "middle row, the rival's "
                         "at the right end. A zone is every flower joined to its home through flowers of the "
                         "home's colour. On your "
                         "turn click a flower of another colour: your whole zone takes that colour and "
                         "swallows every flower of it "
                         "that touches the zone. Then the rival moves the same way."},
    {EText::kHelpGardenEnd,
     "You may never pick your own colour or the rival's. The level ends when every flower "
     "belongs to a zone; own at least half of the garden to complete it."},
    {EText::kHelpCapturingTitle, "Capturing"},
    {EText::kHelpCapturing, "Every free area that your move cuts off from the rival becomes yours at once, "
                            "whatever its colours: fence "
                            "off a corner with a wall of your colour and the whole corner is captured. Holes "
                            "in the ground and the edge "
                            "of the board count as fences too."},
    {EText::kHelpPreview,
     "While it is your turn, the flowers that a click would win are outlined under the "
     "pointer. Look before you click: a colour that opens a wide front is often better than "
     "the biggest bite."},
    {EText::kHelpZones,
     "A bright solid line runs along the border of your zone, a dimmer dashed one along the "
     "rival's (Show zones in the options turns them off). After the rival's move the flowers it "
     "took glow for a second, and its plate shows the flower it chose until you move again."},
    {EText::kHelpFlowersTitle, "Six flowers"},
    {EText::kHelpFlowers,
     "Every colour has its own shape, so you can tell them apart by the petals alone. Keys 1 "
     "to 6 play them as a click would:"},
    {EText::kHelpFlower1, "1: five round petals"},
    {EText::kHelpFlower2, "2: twelve thin petals"},
    {EText::kHelpFlower3, "3: four notched petals"},
    {EText::kHelpFlower4, "4: six pointed petals"},
    {EText::kHelpFlower5, "5: three broad petals"},
    {EText::kHelpFlower6, "6: a scalloped cup"},
    {EText::kHelpKeys, "Space or Enter closes hints and goes on after a level; Escape opens the menu."},
    {EText::kHelpCoinsTitle, "Coins"},
    {EText::kHelpCoins, "At the start of each level insects fly in and drop coins on the flowers. When a "
                        "flower with a coin joins "
                        "your zone the coin goes into your purse. The rival's coins are simply lost."},
    {EText::kHelpCoin1, "1 cent"},
    {EText::kHelpCoin5, "5 cents"},
    {EText::kHelpCoin10, "10 cents"},
    {EText::kHelpCoin25, "25 cents"},
    {EText::kHelpCoin100, "1 dollar"},
    {EText::kHelpSpend, "Spend the purse on the bonus buttons under the board, between your moves."},
    {EText::kHelpBonusesTitle, "Bonuses"},
    {EText::kHelpMoreBonusesTitle, "More bonuses"},
    {EText::kHelpLivesTitle, "Lives and score"},
    {EText::kHelpLives,
     "You start with three spare lives. Losing a level costs one and you play the level again. "
     "With no life left the purse buys one if it can; otherwise the game is over."},
    {EText::kHelpScore,
     "At the end of every classic or advanced level the flowers of your zone are added to "
     "your score. The Top 7 "
     "table keeps the best seven scores of the classic levels and those of the advanced "
     "ones; the moving levels "
     "add nothing to the score. The rival grows stronger with every level. The Stats "
     "button of the Top 7 screen counts games, levels won and lost, best scores and runs."},
    {EText::kHelpOpponent,
     "The Options screen chooses the rival of the games you start: gentle, as the level sets, or "
     "fierce, a step stronger than the level's own. A game keeps the rival it began with, and a Top 7 "
     "entry won against a gentle or fierce rival says so beside its rank."},
    {EText::kHelpMagnifierTitle, "Magnifier and keys"},
    {EText::kHelpMagnifier,
     "On the big boards the flowers are small. Hold the right mouse button and the flower "
     "under the pointer grows so you can see it clearly."},
    {EText::kHelpMenuKeys, "Escape closes the menu screens and, on the main menu, quits. Enter on the main "
                           "menu hides the window and "
                           "stops the music. On the menu screens Tab or the up and down arrows move the "
                           "pointer from button to button "
                           "and Space presses; left and right choose the level. The Menu button above the "
                           "board returns to the main "
                           "menu; your game is kept and can be continued later."},
    {EText::kHelpSetsTitle, "Level sets and the window"},
    {EText::kHelpSets,
     "The Play button of the main menu (and New game, when a game is saved) opens the level choice. It "
     "starts any "
     "level you have reached in one of three sets: the classic gardens, the busier advanced ones, and the "
     "moving "
     "levels, where you play alone and the garden slides one column to the left after each of your moves. "
     "A moving level's par is the number of moves a quick racer needs; the rival's plate counts yours, and "
     "your best for each level stands beside its preview. "
     "Finishing a level opens the next one of its set."},
    {EText::kHelpWindow,
     "Drag an edge of the window or maximise it, and the garden grows with it. Alt+Enter or "
     "F11 switches between the window and full screen."},
}};

static_assert(NCatalogue::InIdOrder(kEnglish), "each text stands at its id's index");

// The last of the texts the game draws with its bitmap font.
constexpr EText kLastDrawn = EText::kOpponentFierce;

constexpr const char* Text(EText id)
{
    const auto index = static_cast<std::size_t>(id);
    return index < kEnglish.size() ? kEnglish[index].m_text : "";
}

// A text that is a format, filled with `values` as printf fills it (a result
// over 255 characters is cut; the longest, a tooltip, stays under 100).
template <typename... TValues> std::string Format(EText id, TValues... values)
{
    char text[256];
    std::snprintf(text, sizeof text, Text(id), values...);
    return text;
}
} // namespace NTexts
