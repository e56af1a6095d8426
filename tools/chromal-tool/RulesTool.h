// The rules subcommands of chromal-tool (board, move, ai, simulate) and what
// they share: option parsing, opening the data and building boards headless.
#pragma once

#include "rules/BoardSprite.h"
#include "rules/Field.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// Each takes the arguments from the subcommand name on (argv[0] is "board",
// "move", ...) and returns the exit status: 2 for usage errors, 1 for other
// failures, 3 when the rules refuse a move.
int RunBoard(int argc, char** argv);
int RunMove(int argc, char** argv);
int RunAi(int argc, char** argv);
int RunSimulate(int argc, char** argv);

namespace NRulesTool
{
constexpr int kUsageError = 2;
constexpr int kFailure = 1;
constexpr int kRefused = 3;

// "--name value" pairs; false (with a message on stderr) for an unknown
// option, a repeated one or one without its value.
bool ParseOptions(int argc, char** argv, const std::vector<std::string>& known,
                  std::map<std::string, std::string>& options);
// A whole decimal integer within [low, high].
bool ParseInt(const std::string& text, int low, int high, int& value);
int Usage(const char* message, const char* usage);

struct SLevelSet
{
    std::string m_directory;
    int m_levelsCount = 20;
    int m_advancedSet = 0;
    bool m_moving = false;
};

// The data folder opened as the game opens it, and the named level set.
class CRulesData
{
public:
    bool Open(const std::string& folder, const std::string& setName, std::string& error);
    std::unique_ptr<NGame::CField> MakeField() const;
    const SLevelSet& GetSet() const { return m_set; }

private:
    SLevelSet m_set;
    NGame::CBoardSprite m_cellSheet{8, 16};
    NGame::CBoardSprite m_coinSheet{5, 8};
    NGame::CBoardSprite m_insectSheet{1, 4};
};

// Runs 16 ms frames until the board is idle; false when it never settles.
bool RunUntilIdle(NGame::CField& field);
// The seed option, or the clock as the game seeds it.
void SeedRandom(const std::map<std::string, std::string>& options);
// The level-state text from --state or --state-file.
bool ReadStateOption(const std::map<std::string, std::string>& options, std::string& text,
                     std::string& error);
} // namespace NRulesTool
