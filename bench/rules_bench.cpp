// Speed of the opponent's search, of a move with its settling, of a whole
// level played headless and of loading a saved board, all on the largest
// board (level 89, 43 columns).
#include "play/SavedGame.h"
#include "rules/AIPlayer.h"
#include "rules/Field.h"
#include "storage/PropertyFile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

namespace
{
using namespace NGame;

const SFieldResources kSheets{CSpriteClock(8, 16, 50), CSpriteClock(5, 8, 50), CSpriteClock(1, 4, 50)};

std::unique_ptr<CField> MakeLargestBoard(unsigned seed)
{
    std::srand(seed);
    static const std::vector<unsigned char> mask(800 * 600, 1);
    auto field = std::make_unique<CField>(
        NLevelSets::kClassic, 20, kSheets,
        [](const std::string&) { return std::make_shared<const std::vector<unsigned char>>(mask); });
    field->SetLevel(89);
    return field;
}

void Settle(CField& field)
{
    field.LandAllInsects();
    for (int i = 0; i < 100000 && !field.IsIdle(); ++i)
        field.Update(16.0f);
}

// The search a level-89 opponent runs at the start of the level (depth 3).
void BM_ChooseMoveDepth3(benchmark::State& state)
{
    auto field = MakeLargestBoard(7);
    const int mid = field->GetRows() / 2;
    CPlayer human(mid, 0, field.get());
    CAIPlayer ai(mid, field->RowLength(mid) - 1, field.get(), 5);
    Settle(*field);
    if (ai.DepthFor(ai.MeasureOwned()) != 3)
        state.SkipWithError("the board is not early in the level");
    for (auto _ : state)
        benchmark::DoNotOptimize(ai.PickColour());
}
BENCHMARK(BM_ChooseMoveDepth3)->Unit(benchmark::kMicrosecond);

// One move from a middle-sized territory: repaint, annexation, capture and
// the flip scheduling, without the frames that animate it.
void BM_RepaintWithSettling(benchmark::State& state)
{
    auto field = MakeLargestBoard(9);
    const int mid = field->GetRows() / 2;
    CPlayer human(mid, 0, field.get());
    CPlayer opponent(mid, field->RowLength(mid) - 1, field.get());
    Settle(*field);
    // Grow the human's territory for a few moves so the walk has work to do.
    for (int move = 0; move < 8; ++move)
    {
        for (int colour = 0; colour < 6; ++colour)
            if (field->IsColourAllowed(colour))
            {
                field->Repaint(mid, 0, colour);
                break;
            }
        Settle(*field);
    }
    const std::string start = field->DescribeState();
    int colour = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        field->RestoreState(start);
        Settle(*field);
        do
            colour = (colour + 1) % 6;
        while (!field->IsColourAllowed(colour));
        state.ResumeTiming();
        benchmark::DoNotOptimize(field->Repaint(mid, 0, colour));
    }
}
BENCHMARK(BM_RepaintWithSettling)->Unit(benchmark::kMicrosecond);

double ThreadCpuMicroseconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// A whole level between two computer players, frames included, as the
// simulate command plays it.
void BM_SimulateLevel89(benchmark::State& state)
{
    unsigned seed = 1;
    // The opponent's slowest choice of a colour, in microseconds of wall time
    // and of this thread's CPU time (which a busy machine does not inflate).
    double worst = 0.0;
    double worstCpu = 0.0;
    for (auto _ : state)
    {
        auto field = MakeLargestBoard(seed++);
        const int mid = field->GetRows() / 2;
        CAIPlayer human(mid, 0, field.get(), 2);
        CAIPlayer ai(mid, field->RowLength(mid) - 1, field.get(), 5);
        CAIPlayer* players[2] = {&human, &ai};
        for (int i = 0; i < 100000 && !field->IsIdle(); ++i)
            field->Update(16.0f);
        int current = 0;
        for (int move = 0; move < 2000 && !field->IsLevelFinished(); ++move, current = 1 - current)
        {
            const auto picking = std::chrono::steady_clock::now();
            const double pickingCpu = ThreadCpuMicroseconds();
            const int colour = players[current]->PickColour();
            if (current == 1)
            {
                worst = std::max(worst, std::chrono::duration<double, std::micro>(
                                            std::chrono::steady_clock::now() - picking)
                                            .count());
                worstCpu = std::max(worstCpu, ThreadCpuMicroseconds() - pickingCpu);
            }
            if (!players[current]->PlayColour(colour, false))
                continue;
            for (int i = 0; i < 100000 && !field->IsIdle(); ++i)
                field->Update(16.0f);
        }
        benchmark::DoNotOptimize(field->IsLevelFinished());
    }
    state.counters["worst_opponent_move_us"] = worst;
    state.counters["worst_opponent_move_cpu_us"] = worstCpu;
}
BENCHMARK(BM_SimulateLevel89)->Unit(benchmark::kMillisecond);
// Continuing a saved game: the checked read of the board keys and the level
// rebuilt under the saved colours and coins.
void BM_LoadSavedBoard(benchmark::State& state)
{
    auto field = MakeLargestBoard(11);
    Settle(*field);
    CPropertyFile save;
    save.SetString("gamedata.fieldstate", field->GetLevelState());
    save.SetString("gamedata.dir_pattern", NLevelSets::Set(NLevelSets::kClassic).m_pattern);
    save.SetInt("gamedata.level_num", 89);
    save.SetInt("gamedata.levels_count", 20);
    save.SetInt("gamedata.m_game_type", NLevelSets::Set(NLevelSets::kClassic).m_saved_flag);
    for (auto _ : state)
        if (!field->LoadState(NSavedGame::ReadBoard(save)))
            state.SkipWithError("the saved board was refused");
}
BENCHMARK(BM_LoadSavedBoard)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
