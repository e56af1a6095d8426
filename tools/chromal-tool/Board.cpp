// chromal-tool board: builds one level and prints its shape and level state.
#include "RulesTool.h"

#include <cstdio>

namespace
{
constexpr const char* kUsage =
    "chromal-tool board --data DIR --set classic|advanced|moving --level N [--seed S]";
}

int RunBoard(int argc, char** argv)
{
    using namespace NRulesTool;
    std::map<std::string, std::string> options;
    if (!ParseOptions(argc - 1, argv + 1, {"--data", "--set", "--level", "--seed"}, options))
        return Usage("", kUsage);
    int level = 0;
    int seed = 0;
    if (!options.count("--data") || !options.count("--set") || !options.count("--level"))
        return Usage("--data, --set and --level are required", kUsage);
    if (!ParseInt(options["--level"], 0, 99999, level))
        return Usage("--level needs a number from 0 to 99999", kUsage);
    if (options.count("--seed") && !ParseInt(options["--seed"], 0, 2147483647, seed))
        return Usage("--seed needs a non-negative number", kUsage);

    CRulesData data;
    std::string error;
    if (!data.Open(options["--data"], options["--set"], error))
        return Usage(error.c_str(), kUsage);
    SeedRandom(options);
    auto field = data.MakeField();
    if (level != 0)
        field->SetLevel(level);
    // The intro drops the insects' coins; the level state is taken when it ends.
    if (!RunUntilIdle(*field))
    {
        std::fprintf(stderr, "the level never settled\n");
        return kFailure;
    }
    int cells = 0;
    for (int r = 0; r < field->GetRows(); ++r)
        cells += field->RowLength(r);
    std::printf("rows %d\ncolumns %d\ncells %d\nplayable %d\nstate %s\n", field->GetRows(),
                field->GetColumns(), cells, field->CountPlayableCells(), field->GetLevelState().c_str());
    return 0;
}
