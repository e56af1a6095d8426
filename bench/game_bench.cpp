// Whole frames of the game screen (update, draw, buffer swap) in a real window
// on the largest board and on the widest one. Needs a display (run under
// scripts/with-xvfb) and the generated data (CHROMAL_DATA, default build/data).
// Reports the median and the 99th percentile of the frame times; a second
// benchmark plays whole turns with the saved game written at each of them.
#include "framework/Application.h"
#include "media/LayerCache.h"
#include "platform/Gl.h"
#include "platform/SdlPlatform.h"
#include "play/Game.h"
#include "play/GameResources.h"
#include "play/SavedGame.h"
#include "rules/Player.h"
#include "screens/GameLink.h"
#include "storage/BackgroundWriter.h"
#include "storage/FileSystem.h"
#include "storage/PropertyFile.h"
#include "storage/Settings.h"

#include <GL/gl.h>
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

namespace
{
struct SWindow
{
    CSdlPlatform m_platform;
    bool m_ready = false;

    SWindow()
    {
        std::string error;
        if (!m_platform.Init(error))
        {
            std::fprintf(stderr, "game_bench: %s\n", error.c_str());
            return;
        }
        CApplication& app = *CApplication::Create(m_platform);
        app.SetLogicalSize(800, 600);
        // CHROMAL_BENCH_WINDOW=WIDTHxHEIGHT: a window the picture is scaled
        // into, with the picture set that size calls for.
        int width = 800;
        int height = 600;
        if (const char* size = std::getenv("CHROMAL_BENCH_WINDOW"))
            std::sscanf(size, "%dx%d", &width, &height);
        if (!app.CreateMainWindow("Chromal bench", 0, 0, width, height))
            return;
        app.FollowDetail();
        const char* data = std::getenv("CHROMAL_DATA");
        CFileSystem* files = CFileSystem::Create();
        files->SetPackKey(CFileSystem::kPackKey);
        files->SetRoot(data ? data : "build/data");
        files->OpenPack("data.pk");
        CreateGameResourcesFrom(*files);
        Settings().m_hints = false;
        m_ready = true;
    }
};

SWindow& Window()
{
    static SWindow window;
    return window;
}

// The game on the screen at `level` (from 0), its window focused (an
// inactive one sleeps between frames) and its insects landed.
void Show(NGame::CGame& game, int level)
{
    CApplication& app = *CApplication::Get();
    game.StartAtLevel(level);
    app.PushScreen(&game);
    CPlatformEvent activate;
    activate.m_type = CPlatformEvent::kActivate;
    activate.m_value = 1;
    app.HandleEvent(activate);
    game.GetField().LandAllInsects();
}

// The value below which `percent` of the sorted times lie (0 for none).
double Percentile(const std::vector<double>& sorted, std::size_t percent)
{
    return sorted.empty() ? 0.0 : sorted[std::min(sorted.size() - 1, sorted.size() * percent / 100)];
}

// Process CPU time, every thread (llvmpipe rasterises on threads of its own):
// unlike wall time, other work on a shared machine hardly lengthens it.
double ProcessCpuMs()
{
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The median and the 99th percentile of `times` as counters named after `prefix`.
void CountMedianAndP99(benchmark::State& state, const std::string& prefix, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    state.counters[prefix + "median_ms"] = Percentile(times, 50);
    state.counters[prefix + "p99_ms"] = Percentile(times, 99);
}

// The pointer leaves the board: the flower under it grows with every
// drawing, so two drawings of one frame would differ.
void MovePointerOffBoard(const NGame::CField& field)
{
    int offX = 0;
    int offY = 0;
    for (int y = 0; y < 600; y += 8)
        for (int x = 0; x < 800 && offX == 0; x += 8)
        {
            const NGame::SCellPos at = field.CellAt(static_cast<float>(x), static_cast<float>(y));
            if (!field.IsValidCell(at.m_row, at.m_column))
            {
                offX = x;
                offY = y;
            }
        }
    Window().m_platform.WarpCursor(offX, offY);
    SDL_PumpEvents();
}

// The same frame drawn with and without batching, and from the kept still
// layer (with the spinning home drawn again) or afresh, must be the same
// picture: the counters give the largest difference of a channel.
void CompareDrawings(benchmark::State& state, CApplication& app)
{
    const auto read = [&](bool batch, bool kept, bool update)
    {
        std::vector<unsigned char> pixels(800 * 600 * 4);
        NGl::SetQuadBatching(batch);
        CLayerCache::SetEnabled(kept);
        if (update)
            app.FrameStep(16.0f);
        app.DrawScreens();
        NGl::ReadPixels(0, 0, 800, 600, pixels.data());
        return pixels;
    };
    const auto largest = [](const std::vector<unsigned char>& a, const std::vector<unsigned char>& b)
    {
        int most = 0;
        for (std::size_t i = 0; i < a.size(); ++i)
            most = std::max(most, std::abs(a[i] - b[i]));
        return most;
    };
    read(true, true, true);
    const std::vector<unsigned char> kept = read(true, true, true);
    state.counters["kept_max_diff"] = largest(kept, read(true, false, false));
    state.counters["batch_max_diff"] = largest(read(true, false, false), read(false, false, false));
    NGl::SetQuadBatching(true);
    CLayerCache::SetEnabled(true);
}

void GameFrame(benchmark::State& state)
{
    SWindow& window = Window();
    if (!window.m_ready)
    {
        state.SkipWithError("no window");
        return;
    }
    NGl::SetQuadBatching(state.range(1) != 0);
    CLayerCache::SetEnabled(state.range(2) != 0);
    Settings().m_show_zones = state.range(3) != 0;
    std::srand(5);
    CApplication& app = *CApplication::Get();
    NGame::CGame game(NGame::kClassicGame, nullptr);
    Show(game, static_cast<int>(state.range(0)));
    for (int i = 0; i < 120; ++i)
        app.FrameStep(16.0f);

    std::vector<double> times;
    std::vector<double> cpuTimes;
    double update = 0.0;
    double draw = 0.0;
    using Clock = std::chrono::steady_clock;
    const auto ms = [](Clock::time_point from, Clock::time_point to)
    { return std::chrono::duration<double, std::milli>(to - from).count(); };
    for (auto _ : state)
    {
        const double cpuStart = ProcessCpuMs();
        const auto start = Clock::now();
        app.FrameStep(16.0f);
        const auto updated = Clock::now();
        app.DrawScreens();
        NGl::Finish();
        const auto drawn = Clock::now();
        window.m_platform.SwapBuffers();
        const auto end = Clock::now();
        update += ms(start, updated);
        draw += ms(updated, drawn);
        times.push_back(ms(start, end));
        cpuTimes.push_back(ProcessCpuMs() - cpuStart);
    }
    state.counters["update_ms"] = update / static_cast<double>(times.size());
    state.counters["draw_ms"] = draw / static_cast<double>(times.size());
    MovePointerOffBoard(game.GetField());
    CompareDrawings(state, app);
    app.RemoveScreen(&game);
    CountMedianAndP99(state, "", times);
    CountMedianAndP99(state, "cpu_", cpuTimes);
    int cells = 0;
    const NGame::CField& field = game.GetField();
    for (int r = 0; r < field.GetRows(); ++r)
        for (int c = 0; c < field.RowLength(r); ++c)
            cells += field.IsHole(r, c) ? 0 : 1;
    state.counters["cells"] = cells;
    state.counters["columns"] = field.GetColumns();
}

// Turns on the largest board as a player plays them: a colour as soon as the
// human may move, the opponent's answer, and the saved game written when the
// turn comes back (moment, enciphering, and the write handed to the
// background writer; the disk itself is the writer's thread's). Every frame
// is timed; the frames in which a save was made are reported apart.
void TurnFrames(benchmark::State& state)
{
    SWindow& window = Window();
    if (!window.m_ready)
    {
        state.SkipWithError("no window");
        return;
    }
    std::srand(7);
    Settings().m_show_zones = state.range(0) != 0;
    CApplication& app = *CApplication::Get();
    NGame::CGame game(NGame::kClassicGame, nullptr);
    char folder[] = "/tmp/chromal-bench-save.XXXXXX";
    const std::string path = std::string(mkdtemp(folder)) + "/saved_demo.dat";
    CBackgroundWriter writer;
    bool saved = false;
    std::vector<double> costs;
    using Clock = std::chrono::steady_clock;
    game.SetNewsSink(
        [&](NGame::CGame::ENews news)
        {
            if (news != NGame::CGame::kNewsMoment)
                return;
            const auto begun = Clock::now();
            CPropertyFile store;
            store.SetString(NSavedGame::kNameKey, NSavedGame::kNameValue);
            NGameLink::StoreMoment(&game, store);
            writer.Submit(path, NSavedGame::Encode(store));
            saved = true;
            costs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - begun).count());
        });
    Show(game, 88);

    std::vector<double> all;
    std::vector<double> cpu;
    std::vector<double> saving;
    int colour = 0;
    int saves = 0;
    for (auto _ : state)
    {
        NGame::CPlayer* human = game.GetPlayer(0);
        if (human && game.GetCurrentPlayer() == 0 && human->GetState() == NGame::PlayerTurn &&
            game.GetField().IsIdle())
            for (int tries = 0; tries < 6 && human->GetState() == NGame::PlayerTurn; ++tries)
                human->OnColourKey(colour++ % 6);
        saved = false;
        const double cpuStart = ProcessCpuMs();
        const auto start = Clock::now();
        app.FrameStep(16.0f);
        app.DrawScreens();
        NGl::Finish();
        window.m_platform.SwapBuffers();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        all.push_back(ms);
        cpu.push_back(ProcessCpuMs() - cpuStart);
        if (saved)
        {
            saving.push_back(ms);
            ++saves;
        }
        // A finished level starts again, so that the turns go on.
        if (game.GetMatch().IsLevelDecided())
            game.StartAtLevel(88);
    }
    writer.Flush();
    app.RemoveScreen(&game);
    std::sort(saving.begin(), saving.end());
    CountMedianAndP99(state, "", all);
    CountMedianAndP99(state, "cpu_", cpu);
    state.counters["saves"] = saves;
    state.counters["saving_median_ms"] = Percentile(saving, 50);
    state.counters["saving_max_ms"] = saving.empty() ? 0.0 : saving.back();
    // The save's own share of its frame, on the frame's thread.
    std::sort(costs.begin(), costs.end());
    state.counters["save_cost_max_ms"] = costs.empty() ? 0.0 : costs.back();
    std::remove(path.c_str());
    std::remove(path.substr(0, path.rfind('/')).c_str());
}
} // namespace

// Level numbers as the player counts them: 89 (the largest board) and 6.
// The second argument switches quad batching, the third the kept still layer,
// the fourth the zones' outline (1 on, 0 off) for comparison.
BENCHMARK(GameFrame)
    ->Args({88, 1, 1, 1})
    ->Args({5, 1, 1, 1})
    ->Args({88, 1, 0, 1})
    ->Args({5, 1, 0, 1})
    ->Args({88, 0, 0, 1})
    ->Args({88, 1, 1, 0})
    ->Args({88, 1, 0, 0})
    ->Iterations(600)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// The argument: the zones' outline on (1) or off (0).
BENCHMARK(TurnFrames)->Arg(1)->Arg(0)->Iterations(3000)->Unit(benchmark::kMillisecond)->UseRealTime();
int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    // The renderer the frame times were taken with.
    if (Window().m_ready)
        for (const auto& [name, what] : {std::pair<const char*, GLenum>{"gl_renderer", GL_RENDERER},
                                         std::pair<const char*, GLenum>{"gl_version", GL_VERSION}})
            if (const GLubyte* text = glGetString(what))
                benchmark::AddCustomContext(name, reinterpret_cast<const char*>(text));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // Everything that holds GL objects or the window goes before the platform.
    ReleaseGameResources();
    CFileSystem::Destroy();
    if (CApplication* app = CApplication::Get())
        app->Shutdown();
    CApplication::Destroy();
    return 0;
}
