// chromal-datagen OUTDIR [--preview] [--verbose]: writes every data file the game reads.
// chromal-datagen --icon SIZE FILE.png: writes the application icon.
#include "tools/datagen/Config.h"
#include "tools/datagen/Generate.h"
#include "tools/datagen/Icon.h"
#include "tools/datagen/Image.h"
#include "tools/datagen/Masks.h"
#include "tools/datagen/Output.h"
#include "tools/datagen/Text.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <future>
#include <string>
#include <vector>

namespace
{
constexpr const char* kUsage = "usage: chromal-datagen OUTDIR [--preview] [--verbose]\n"
                               "       chromal-datagen --icon SIZE FILE.png\n";

// --icon SIZE FILE.png; returns the exit code.
int WriteIcon(int argc, char** argv)
{
    char* end = nullptr;
    const long size = argc == 4 ? std::strtol(argv[2], &end, 10) : 0;
    if (argc != 4 || end == argv[2] || *end != '\0' || size < 16 || size > 1024)
    {
        std::fprintf(stderr, "chromal-datagen: --icon needs a size from 16 to 1024 and a file\n%s", kUsage);
        return 2;
    }
    if (!NDatagen::WritePng(argv[3], NDatagen::RenderIcon(static_cast<int>(size))))
    {
        std::fprintf(stderr, "chromal-datagen: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}

struct SOptions
{
    const char* m_folder = nullptr;
    bool m_preview = false;
    bool m_verbose = false;
};

// Reads OUTDIR [--preview] [--verbose]; returns an exit code when the program
// ends here (--help, a bad argument), or -1.
int ReadOptions(int argc, char** argv, SOptions& options)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--help") == 0)
        {
            std::printf("%s", kUsage);
            return 0;
        }
        if (std::strcmp(argv[i], "--preview") == 0)
            options.m_preview = true;
        else if (std::strcmp(argv[i], "--verbose") == 0)
            options.m_verbose = true;
        else if (argv[i][0] == '-' || options.m_folder != nullptr)
        {
            std::fprintf(stderr, "chromal-datagen: unexpected argument %s\n%s", argv[i], kUsage);
            return 2;
        }
        else
            options.m_folder = argv[i];
    }
    if (options.m_folder == nullptr)
    {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    return -1;
}

// Runs a step of the generator, printing its time with --verbose.
struct STimed
{
    bool m_verbose;
    template <typename FStep> void operator()(const std::string& what, FStep&& step) const
    {
        const auto t0 = std::chrono::steady_clock::now();
        step();
        if (m_verbose)
            std::printf("  %-12s %.2f s\n", what.c_str(),
                        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
};

// Every picture at scale 1 and at scale 2, which writes the same pictures
// twice as fine under "x2/" and none of the files they share. Two threads
// take the steps in turn, the longest first. False (with the reason in
// helpProblems) when a help page overflows.
bool WritePictures(NDatagen::COutput& out, const STimed& timed, std::string& helpProblems)
{
    bool helpOk = true;
    struct SStep
    {
        const char* what;
        int scale;
        std::function<void()> run;
    };
    std::vector<SStep> steps;
    for (const int scale : {2, 1})
    {
        steps.push_back({"screens", scale,
                         [&out, scale]
                         {
                             NDatagen::WriteScreens(out);
                             // The window's own icon, read by the game like its
                             // other pictures; the window manager scales it.
                             if (scale == 1)
                                 out.WriteTga("mui/icon.tga", NDatagen::RenderIcon(64));
                         }});
        steps.push_back({"sprites", scale,
                         [&out]
                         {
                             NDatagen::WriteGameSprites(out);
                             NDatagen::WriteMenuSprites(out);
                         }});
        steps.push_back({"hints", scale, [&out] { NDatagen::WriteHints(out); }});
        // Both scales measure the pages alike: scale 1 answers.
        steps.push_back({"help", scale,
                         [&, scale]
                         {
                             std::string pageProblems;
                             const bool ok = NDatagen::WriteHelp(out, pageProblems);
                             if (scale == 1)
                             {
                                 helpOk = ok;
                                 helpProblems = pageProblems;
                             }
                         }});
        steps.push_back({"font", scale, [&out] { NDatagen::WriteFont(out); }});
    }
    std::atomic<size_t> next{0};
    auto work = [&]
    {
        for (size_t i = next++; i < steps.size(); i = next++)
        {
            const NDatagen::CPaintScale painting(steps[i].scale);
            timed(std::string(steps[i].what) + " x" + std::to_string(steps[i].scale), steps[i].run);
        }
    };
    auto helper = std::async(std::launch::async, work);
    work();
    helper.get();
    return helpOk;
}

// Every data file, each kind of them timed with --verbose, then the summary
// from `start` on; returns the exit code.
int WriteAll(NDatagen::COutput& out, bool verbose, std::chrono::steady_clock::time_point start)
{
    const STimed timed{verbose};
    std::string problems;
    bool masksOk = true;
    timed("config", [&] { NDatagen::WriteConfig(out); });
    // The masks need no text or pictures, so they are made alongside the rest.
    auto masks = std::async(std::launch::async, [&] { return NDatagen::WriteMasks(out, problems); });
    std::string helpProblems;
    const bool helpOk = WritePictures(out, timed, helpProblems);
    timed("sounds", [&] { NDatagen::WriteSounds(out); });
    timed("music", [&] { NDatagen::WriteMusic(out); });
    timed("masks", [&] { masksOk = masks.get(); });
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("chromal-datagen: %zu files, %.1f MB in %.2f s\n", out.Written().size(),
                out.TotalBytes() / 1048576.0, seconds);
    if (!masksOk)
    {
        std::fprintf(stderr, "chromal-datagen: level masks failed their checks:\n%s", problems.c_str());
        return 1;
    }
    if (!helpOk)
    {
        std::fprintf(stderr, "chromal-datagen: %s", helpProblems.c_str());
        return 1;
    }
    return out.Failed() ? 1 : 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--icon") == 0)
        return WriteIcon(argc, argv);
    SOptions options;
    if (const int code = ReadOptions(argc, argv, options); code >= 0)
        return code;
    const auto start = std::chrono::steady_clock::now();
    NDatagen::COutput out(options.m_folder);
    out.SetPreview(options.m_preview);
    if (!NDatagen::TextReady())
    {
        const std::string file = NDatagen::TextFontFile();
        if (file.empty())
            std::fprintf(stderr, "chromal-datagen: fontconfig finds no DejaVu Sans Bold; "
                                 "install the Debian package fonts-dejavu-core\n");
        else
            std::fprintf(stderr, "chromal-datagen: cannot open the font %s\n", file.c_str());
        return 1;
    }
    return WriteAll(out, options.m_verbose, start);
}
