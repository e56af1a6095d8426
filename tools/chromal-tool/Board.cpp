// chromal-tool board: builds one level and prints its shape and level state.
#include "tools/chromal-tool/Commands.h"
#include "tools/chromal-tool/RulesTool.h"

#include <cstdio>

namespace NTool
{
namespace
{
constexpr char kUsage[] =
    "usage: chromal-tool board --data DIR --set classic|advanced|moving --level N [--seed S]\n"
    "Builds level N of the set from the masks under DIR, lets its intro drop the\n"
    "coins and prints rows, columns, cells, playable cells and the level state.\n";
} // namespace

int RunBoard(int argc, char** argv)
{
    CArgs args;
    if (!args.Parse(argc, argv, 2, {"data", "set", "level", "seed"}))
        return UsageError(args.Error(), kUsage);
    if (args.WantsHelp())
    {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    const std::string problem = CheckCommon(args, {"level"});
    if (!problem.empty())
        return UsageError(problem, kUsage);
    int level = 0;
    int seed = 0;
    if (!ParseInt(args.Value("level"), 0, 99999, level))
        return UsageError("--level needs a number from 0 to 99999", kUsage);
    if (args.Has("seed") && !ParseInt(args.Value("seed"), 0, 2147483647, seed))
        return UsageError("--seed needs a non-negative number", kUsage);

    CRulesData data;
    std::string error;
    if (!data.Open(args.Value("data"), args.Value("set"), error))
        return UsageError(error, kUsage);
    SeedRandom(args);
    auto field = data.MakeField();
    if (level != 0)
        field->SetLevel(level);
    // The intro drops the insects' coins; the level state is taken when it ends.
    if (!RunUntilIdle(*field))
        return Failure("the level never settled");
    int cells = 0;
    for (int r = 0; r < field->GetRows(); ++r)
        cells += field->RowLength(r);
    std::printf("rows %d\ncolumns %d\ncells %d\nplayable %d\nstate %s\n", field->GetRows(),
                field->GetColumns(), cells, field->CountPlayableCells(), field->GetLevelState().c_str());
    return kExitOk;
}
} // namespace NTool
