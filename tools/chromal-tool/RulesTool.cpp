// Shared plumbing of the rules subcommands.
#include "tools/chromal-tool/RulesTool.h"

#include "rules/AIPlayer.h"
#include "rules/LevelState.h"
#include "rules/MovingPlayer.h"
#include "storage/FileSystem.h"
#include "storage/PropertyFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace NTool
{
bool ParseInt(const std::string& text, int low, int high, int& value)
{
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < low || parsed > high)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

std::string CheckCommon(const CArgs& args, std::initializer_list<const char*> required)
{
    if (!args.Positional().empty())
        return "unexpected argument '" + args.Positional()[0] + "'";
    for (const char* name : {"data", "set"})
        if (!args.Has(name))
            return std::string("--") + name + " is required";
    for (const char* name : required)
        if (!args.Has(name))
            return std::string("--") + name + " is required";
    return "";
}

bool CRulesData::Open(const std::string& folder, const std::string& setName, std::string& error)
{
    const NLevelSets::SLevelSet* set = NLevelSets::FindSetNamed(setName.c_str());
    if (!set)
    {
        error = "unknown level set: " + setName + " (" + NLevelSets::NameList() + ")";
        return false;
    }
    m_set = set->m_id;
    CFileSystem* fs = CFileSystem::Create();
    fs->SetRoot(folder);
    fs->SetPackKey(CFileSystem::kPackKey);
    fs->OpenPack("data.pk");
    CPropertyFile config;
    config.Load(*fs, "dat/game.txt");
    m_levels_count = NLevelSets::ConfiguredCount(*set, config);
    m_refill_count = NLevelSets::ConfiguredCount(NLevelSets::Set(NLevelSets::kRefillSet), config);
    // The sheets' shapes decide how long the animations run; without the
    // files the usual shapes are kept.
    const auto sheet = [fs](const char* name, int groups, int frames)
    {
        CPropertyFile spr;
        spr.Load(*fs, name);
        if (spr.Has("groups") || spr.Has("frames"))
        {
            const int fileGroups = spr.GetInt("groups", 1);
            const int fileFrames = spr.GetInt("frames", 1);
            if (fileGroups >= groups && fileFrames >= 1 && fileFrames <= 1000 && fileGroups <= 1000)
            {
                groups = fileGroups;
                frames = fileFrames;
            }
        }
        return NGame::CSpriteClock(groups, frames, 50);
    };
    m_sheets.m_cell_clock = sheet("dat/skin01.spr", 8, 16);
    m_sheets.m_coin_clock = sheet("dat/bonus.spr", 5, 8);
    m_sheets.m_insect_clock = sheet("dat/insects.spr", 1, 4);
    return true;
}

int RaceColour(const NGame::CMatch& match)
{
    const NGame::CPlayer* human = match.GetPlayer(0);
    const auto* rival = dynamic_cast<const NGame::CAIPlayer*>(match.GetPlayer(1));
    if (!human || !rival)
        return -1;
    return NGame::RaceColour(match.GetField(), human->GetHomeRow(), human->GetHomeColumn(),
                             rival->BuildDistanceMap());
}

EPlayed PlayLevel(NGame::CMatch& match, int maxMoves, const std::function<int(NGame::CAIPlayer&)>& choose,
                  const std::function<void(int, int, int)>& onMove, int& moves, std::string& failure)
{
    NGame::CField& board = match.GetField();
    moves = 0;
    const auto settled = [&](const char* what)
    {
        if (!RunUntilIdle(board))
            failure = what;
        return failure.empty();
    };
    if (!settled("the level never settled"))
        return EPlayed::kUnsettled;
    while (!board.IsLevelFinished() && moves < maxMoves)
    {
        const int current = match.GetCurrentPlayer();
        auto& player = static_cast<NGame::CAIPlayer&>(*match.GetPlayer(static_cast<std::size_t>(current)));
        const int colour = choose(player);
        if (!player.PlayColour(colour, current == 0))
            return EPlayed::kStalled;
        if (!settled("a move never settled"))
            return EPlayed::kUnsettled;
        if (onMove)
            onMove(moves, current, colour);
        ++moves;
        // The player sees its move settle, and the match passes the turn (the
        // moving set's board shifts instead). What a lost level would cost in
        // lives does not concern one level's run.
        player.Update(16.0f);
        match.AdvanceTurn(0);
        if (!settled("a shift never settled"))
            return EPlayed::kUnsettled;
    }
    return board.IsLevelFinished() ? EPlayed::kFinished : EPlayed::kUnfinished;
}

std::unique_ptr<NGame::CField> CRulesData::MakeField() const
{
    auto reader = [](const std::string& name)
    {
        const CFileSystem* fs = CFileSystem::Get();
        return fs ? fs->ReadFile(name).Shared() : nullptr;
    };
    auto field = std::make_unique<NGame::CField>(m_set, m_levels_count, m_sheets, reader);
    field->SetRefillLevelsCount(m_refill_count);
    return field;
}

bool RunUntilIdle(NGame::CField& field)
{
    // A board settles within seconds of game time; far beyond that it never will.
    for (int frame = 0; frame < 100000; ++frame)
    {
        if (field.IsIdle())
            return true;
        field.Update(16.0f);
    }
    return field.IsIdle();
}

bool LoadStateText(NGame::CField& field, const std::string& text)
{
    int level = 0;
    std::vector<NGame::SCellState> cells;
    if (!NGame::CLevelState::Read(text, level, cells))
        return false;
    NGame::SSavedBoard saved;
    saved.m_field_state = text;
    const NLevelSets::SLevelSet& set = NLevelSets::Set(field.GetLevelSet());
    saved.m_dir_pattern = set.m_pattern;
    saved.m_level_num = level;
    // A set without a configured count reads its masks as a one-level set.
    saved.m_levels_count = field.GetLevelsCount() > 0 ? field.GetLevelsCount() : 1;
    saved.m_game_type = set.m_saved_flag;
    return field.LoadState(saved);
}

void SeedRandom(const CArgs& args)
{
    int seed = 0;
    if (args.Has("seed") && ParseInt(args.Value("seed"), 0, 2147483647, seed))
        std::srand(static_cast<unsigned>(seed));
    else
        std::srand(static_cast<unsigned>(std::time(nullptr)));
}

bool ReadStateOption(const CArgs& args, std::string& text, std::string& error)
{
    if (args.Has("state"))
    {
        text = args.Value("state");
        return true;
    }
    if (!ReadInput(args.Value("state-file"), text, error))
        return false;
    // A file written by hand usually ends with a line break.
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return true;
}
std::unique_ptr<NGame::CField> BuildLevelBoard(const CArgs& args, CRulesData& data, const char* usage,
                                               int& level, int& exitCode)
{
    level = 0;
    int seed = 0;
    if (!ParseInt(args.Value("level"), 0, 99999, level))
    {
        exitCode = UsageError("--level needs a number from 0 to 99999", usage);
        return nullptr;
    }
    if (args.Has("seed") && !ParseInt(args.Value("seed"), 0, 2147483647, seed))
    {
        exitCode = UsageError("--seed needs a non-negative number", usage);
        return nullptr;
    }
    std::string error;
    if (!data.Open(args.Value("data"), args.Value("set"), error))
    {
        exitCode = UsageError(error, usage);
        return nullptr;
    }
    SeedRandom(args);
    auto field = data.MakeField();
    if (level != 0)
        field->SetLevel(level);
    return field;
}

std::unique_ptr<NGame::CField> RestoreStateBoard(const CArgs& args, CRulesData& data, const char* usage,
                                                 int& exitCode)
{
    std::string error;
    if (!data.Open(args.Value("data"), args.Value("set"), error))
    {
        exitCode = UsageError(error, usage);
        return nullptr;
    }
    std::string text;
    if (!ReadStateOption(args, text, error))
    {
        exitCode = Failure(error);
        return nullptr;
    }
    // A fixed seed: the same text and move always give the same flips.
    std::srand(1);
    auto field = data.MakeField();
    if (!LoadStateText(*field, text))
    {
        exitCode = Failure("the level-state text does not describe a board of this set");
        return nullptr;
    }
    return field;
}
} // namespace NTool
