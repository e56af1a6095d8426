// chromal-datagen OUTDIR [--preview]: writes every data file the game reads.
#include "tools/datagen/Config.h"
#include "tools/datagen/Generate.h"
#include "tools/datagen/Masks.h"
#include "tools/datagen/Output.h"
#include "tools/datagen/Text.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: chromal-datagen OUTDIR [--preview]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    NDatagen::COutput out(argv[1]);
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], "--preview") == 0)
            out.SetPreview(true);
    if (!NDatagen::TextReady())
    {
        std::fprintf(stderr, "chromal-datagen: cannot open the font %s\n", CHROMAL_FONT_FILE);
        return 1;
    }

    NDatagen::WriteConfig(out);
    std::string problems;
    const bool masksOk = NDatagen::WriteMasks(out, problems);
    NDatagen::WriteFont(out);
    NDatagen::WriteGameSprites(out);
    NDatagen::WriteMenuSprites(out);
    NDatagen::WriteScreens(out);
    NDatagen::WriteHints(out);
    NDatagen::WriteHelp(out);
    NDatagen::WriteSounds(out);
    NDatagen::WriteMusic(out);

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("chromal-datagen: %zu files, %.1f MB in %.2f s\n", out.Written().size(),
                out.TotalBytes() / 1048576.0, seconds);
    if (!masksOk)
    {
        std::fprintf(stderr, "chromal-datagen: level masks failed their checks:\n%s", problems.c_str());
        return 1;
    }
    return out.Failed() ? 1 : 0;
}
