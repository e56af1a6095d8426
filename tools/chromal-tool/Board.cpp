// chromal-tool board: builds one level and prints its shape and level state.
#include "tools/chromal-tool/Commands.h"
#include "tools/chromal-tool/RulesTool.h"

#include <cstdio>

namespace NTool
{
namespace
{
constexpr char kUsage[] = "usage: chromal-tool board --data DIR --set SET --level N [--seed S]\n"
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

    CRulesData data;
    int level = 0;
    int exitCode = kExitOk;
    auto field = BuildLevelBoard(args, data, kUsage, level, exitCode);
    if (!field)
        return exitCode;
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
