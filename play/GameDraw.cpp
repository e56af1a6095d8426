// The game screen's drawing: the still layer of background, numbers and
// flowers kept between frames, the board's moving parts, the preview of a
// move, the messages, the controls and the cursor (partial repaints are in
// GameRepaint.cpp).
#include "play/Game.h"

#include "catalogue/Texts.h"
#include "framework/Application.h"
#include "framework/MenuCursor.h"
#include "framework/MenuRepaint.h"
#include "media/Backing.h"
#include "media/Sprite.h"
#include "platform/Gl.h"
#include "play/BoardPainter.h"
#include "play/BonusBar.h"
#include "play/Tutorial.h"
#include "storage/Settings.h"
#include "widgets/SimpleButton.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace NGame
{
void CGame::Draw()
{
    CApplication* app = CApplication::Get();
    if (app)
        app->SetOrthoProjection(800, 600, false);
    // The messages fade in while the board rests and out while it moves.
    if (m_field->IsIdle())
    {
        if (m_message_alpha < 1.0f)
            m_message_alpha += 0.02f;
    }
    else if (m_message_alpha > 0.0f)
        m_message_alpha -= 0.02f;
    m_zones.Update(*m_field, Settings().m_show_zones);
    std::vector<SFrameClip> clips;
    if (BeginRepaint(clips))
    {
        for (const SFrameClip& clip : clips)
        {
            NGl::SetFrameClip(clip.m_x, clip.m_y, clip.m_width, clip.m_height);
            DrawFrame();
        }
        NGl::ClearFrameClip();
    }
    else
    {
        DrawFrame();
    }
    GrowPreviewedFlower();
}

// The flower a click would play grows a little with every frame it stays
// under the pointer (the board's update shrinks it back): once per frame,
// however many passes drew it.
void CGame::GrowPreviewedFlower()
{
    if (m_preview_cell < 0)
        return;
    const SCellPos at{m_preview_cell / 1000, m_preview_cell % 1000};
    if (m_field->IsColourAllowed(m_field->GetCellColour(at.m_row, at.m_column)))
        m_field->ScaleCell(at.m_row, at.m_column, 1.2f);
}

void CGame::DrawFrame()
{
    // All of the game lies at one depth and nothing tests it: clearing a
    // depth buffer nobody reads cost a software renderer a sixth of a large
    // window's frame (the menus clear their own).
    NGl::Disable(GL_DEPTH_TEST);
    NGl::ClearColor(1.0f, 1.0f, 1.0f, 0.0f);
    NGl::PushMatrix();
    DrawStillLayer();
    m_rival_move.Draw(*m_field, *m_painter);
    m_painter->DrawOverlay(*m_field);
    DrawPreview();
    for (std::size_t i = 0; i < m_match->GetBonusCount(); ++i)
        m_painter->Draw(m_match->GetBonus(i).GetInsect());
    m_tutorial->Draw();
    DrawMessages();
    NGl::PopMatrix();
    m_main_menu_button->SetVisible(!m_tutorial->IsOpen());
    CScreen::Draw();
    if (!m_tutorial->IsOpen())
        m_bonus_bar->DrawTooltip(m_places[NPlaces::EPlace::kTooltip]);
    NInterface::DrawCursor();
}

// Background, numbers and flowers change only with the play; they are kept as
// one picture, and when only a few flowers turn or grow (the spinning home,
// the flower under the pointer) only the rectangle around them is drawn again.
// The layer covers the picture: what it leaves to clear is the bars, or all
// when it is drawn afresh.
void CGame::DrawStillLayer()
{
    // Each part starts from the state the kept copy leaves, whatever the
    // part before it left (a flower's blending, a line's colour).
    const auto drawLayer = [this](const float* area)
    {
        NGl::Disable(GL_BLEND);
        NGl::Disable(GL_ALPHA_TEST);
        NGl::Color(1.0f, 1.0f, 1.0f, 1.0f);
        m_painter->DrawBackground();
        DrawStatus();
        if (area)
            m_painter->DrawFlowers(*m_field, area);
        else
            m_painter->DrawFlowers(*m_field);
        m_zones.Draw(*m_field, area);
    };
    m_still_look.clear();
    AppendStatusLook(m_still_look);
    const std::size_t statusSize = m_still_look.size();
    m_painter->AppendFlowersLook(*m_field, m_still_look, &m_zones.SlotLook());
    const std::vector<double>* kept = m_still_layer.KeptLook();
    if (kept && *kept == m_still_look)
    {
        NGl::ClearBars();
        m_still_layer.DrawKept();
        return;
    }
    // Changes far apart (the spinning home at one end, a flower at the
    // other) are redrawn apart.
    float area[4];
    std::vector<NInterface::SArea> parts;
    if (kept && kept->size() == m_still_look.size() &&
        std::equal(m_still_look.begin(), m_still_look.begin() + statusSize, kept->begin()) &&
        CBoardPainter::ChangedFlowersArea(kept->data() + statusSize, m_still_look.data() + statusSize,
                                          m_still_look.size() - statusSize, area, &parts))
    {
        parts = NInterface::CMenuRepaint::Merged(std::move(parts));
        if (NInterface::CMenuRepaint::CheaperThanWhole(parts, 800.0f, 600.0f))
        {
            NGl::ClearBars();
            m_still_layer.DrawKept();
            // A part the layer could not keep (outside the frame's clip) ends
            // the copy, and the rest would be drawn unconfined: all is drawn.
            for (const NInterface::SArea& part : parts)
            {
                if (!m_still_layer.KeptLook())
                    break;
                const float at[4] = {part.m_x0, part.m_y0, part.m_x1, part.m_y1};
                m_still_layer.BeginRedraw(at[0], at[1], at[2], at[3], 800.0f, 600.0f);
                drawLayer(at);
                m_still_layer.EndRedraw(m_still_look);
            }
            if (m_still_layer.KeptLook())
                return;
        }
    }
    NGl::Clear(GL_COLOR_BUFFER_BIT);
    drawLayer(nullptr);
    m_still_layer.Keep(m_still_look);
}

void CGame::AppendStatusLook(std::vector<double>& look) const
{
    const CPlayer* human = GetPlayer(0);
    const double values[] = {static_cast<double>(m_match->Region(0)),
                             static_cast<double>(m_match->Region(1)),
                             static_cast<double>(GetTotalScore()),
                             human ? 1.0 : 0.0,
                             human ? static_cast<double>(human->GetMoney()) : 0.0,
                             human ? static_cast<double>(human->GetLives()) : 0.0,
                             static_cast<double>(m_field->GetLevel()),
                             static_cast<double>(m_rival_move.GetChosenColour()),
                             static_cast<double>(GetMoves())};
    look.insert(look.end(), std::begin(values), std::end(values));
    // The outline switched on or off changes the whole board.
    look.push_back(m_zones.SlotLook().empty() ? 0.0 : 1.0);
}

void CGame::DrawStatus() const
{
    NGl::CQuadBatchScope batch;
    const CBitmapText& font = *m_resources;
    // White, centred on their places; the purse is yellow.
    const auto number = [&](int value, NPlaces::EPlace id)
    {
        const NPlaces::SPlace& at = m_places[id];
        font.DrawNumberOutlined(value, at.m_size, at.m_x, at.m_y, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f, false, true);
    };
    number(m_match->Region(0), NPlaces::EPlace::kFlowersNumber);
    if (m_game_type == kMovingGame)
        DrawRace();
    else
        number(m_match->Region(1), NPlaces::EPlace::kRivalNumber);
    number(GetTotalScore(), NPlaces::EPlace::kScoreNumber);
    if (const CPlayer* human = GetPlayer(0))
    {
        const NPlaces::SPlace& purse = m_places[NPlaces::EPlace::kPurse];
        font.DrawTextOutlined(FormatMoney(human->GetMoney()).c_str(), purse.m_size, purse.m_x, purse.m_y,
                              0.0f, 1.0f, 1.0f, 0.0f, 1.0f, false, true);
        number(human->GetLives(), NPlaces::EPlace::kLivesNumber);
    }
    number(m_field->GetLevel() + 1, NPlaces::EPlace::kLevelNumber);
    const NPlaces::SPlace& choice = m_places[NPlaces::EPlace::kRivalChoice];
    m_painter->DrawFlower(m_rival_move.GetChosenColour(), choice.m_x, choice.m_y, choice.m_size);
}

// A moving level's rival never grows: its plate counts the race instead, the
// moves made over the par, on either side of the number's place.
void CGame::DrawRace() const
{
    const CBitmapText& font = *m_resources;
    const NPlaces::SPlace& at = m_places[NPlaces::EPlace::kRivalNumber];
    // Two lines in the number's height, clear of the plate's label below it.
    const float size = at.m_size * 0.62f;
    const std::string moves = NTexts::Format(NTexts::EText::kMovesCount, GetMoves());
    font.DrawTextOutlined(moves.c_str(), size, at.m_x, at.m_y - size * 1.07f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f,
                          false, true);
    if (GetPar() > 0)
    {
        const std::string par = NTexts::Format(NTexts::EText::kParCount, GetPar());
        font.DrawTextOutlined(par.c_str(), size, at.m_x, at.m_y, 0.0f, 1.0f, 0.9f, 0.3f, 1.0f, false, true);
    }
}

void CGame::DrawPreview()
{
    // The flower under the pointer, as the frame's repaint found it.
    const CPlayer* human = GetPlayer(0);
    if (m_preview_cell < 0 || !human)
        return;
    const SCellPos at{m_preview_cell / 1000, m_preview_cell % 1000};
    const int colour = m_field->GetCellColour(at.m_row, at.m_column);
    if (m_field->IsColourAllowed(colour))
    {
        const int homeRow = human->GetHomeRow();
        const int homeColumn = human->GetHomeColumn();
        CColourMap before = m_field->MakeColourMap();
        CColourMap after = m_field->MakeColourMap();
        m_field->MarkZone(before, homeRow, homeColumn);
        m_field->MarkZone(after, homeRow, homeColumn, colour);
        // The cells the move would gain, lifted by a dark rim.
        NGl::CQuadBatchScope batch;
        for (int r = 0; r < m_field->GetRows(); ++r)
            for (int c = 0; c < m_field->RowLength(r); ++c)
                if (before.At(r, c) != CField::kZoneMark && after.At(r, c) == CField::kZoneMark)
                {
                    m_painter->DrawCellShadow(*m_field, r, c);
                    m_painter->DrawCell(*m_field, r, c);
                }
        m_field->FreeColourMap(before);
        m_field->FreeColourMap(after);
    }
    if (m_marker)
    {
        float cx = 0.0f;
        float cy = 0.0f;
        m_field->CellPosition(at.m_row, at.m_column, cx, cy);
        const float size = m_field->GetCellWidth() * 1.2f;
        m_marker->SetCellSize(size, size);
        m_marker->SetPosition(cx, cy, 0.0f);
        m_marker->Draw(true);
    }
}

void CGame::DrawMessages() const
{
    struct SLine
    {
        const char* m_text;
        float m_size;
        float m_x; // the line's centre
        float m_y;
    };
    using NTexts::EText;
    using NTexts::Text;
    const std::string score = NTexts::Format(EText::kFinalScore, GetTotalScore());
    const std::string result = NTexts::Format(EText::kMovingResult, GetMoves(), GetPar(), BestMoves());
    // A finished level has its message once it is decided: not while a bonus
    // bought with the last one may still change the board.
    const bool finished = m_match->IsLevelDecided();
    SLine lines[3] = {};
    std::size_t count = 0;
    const auto add = [this, &lines, &count](const char* text, NPlaces::EPlace id)
    {
        const NPlaces::SPlace& at = m_places[id];
        lines[count++] = {text, at.m_size, at.m_x, at.m_y};
    };
    using NPlaces::EPlace;
    if (IsGameOver())
    {
        add(Text(EText::kGameOver), EPlace::kGameOverTitle);
        add(score.c_str(), EPlace::kGameOverScore);
        add(Text(EText::kClickToContinue), EPlace::kGameOverContinue);
    }
    else if (finished && IsLifeLost())
    {
        add(Text(EText::kLevelNotCompleted), EPlace::kLevelLostTitle);
        add(Text(EText::kLifeLost), EPlace::kLevelLostLife);
        add(Text(EText::kClickToContinue), EPlace::kLevelLostContinue);
    }
    else if (finished)
    {
        add(Text(EText::kLevelCompleted), EPlace::kLevelWonTitle);
        if (m_game_type == kMovingGame)
            add(result.c_str(), EPlace::kMovingResult);
        add(Text(EText::kClickToContinue), EPlace::kLevelWonContinue);
    }
    if (count == 0)
        return;
    // White text is lost on white and yellow flowers: each group of lines
    // gets a dark band across the board, fading with the text.
    constexpr float kPad = 8.0f;
    constexpr float kSoft = 16.0f;
    const float alpha = 0.65f * std::min(m_message_alpha, 1.0f);
    float top = lines[0].m_y - lines[0].m_size - kPad;
    float bottom = lines[0].m_y + kPad;
    for (std::size_t i = 1; i <= count; ++i)
    {
        // Lines whose bands would overlap share one, so that none is darker.
        if (i < count && lines[i].m_y - lines[i].m_size - kPad <= bottom + 2.0f * kSoft)
        {
            bottom = lines[i].m_y + kPad;
            continue;
        }
        DrawDarkBacking(-kSoft, top, 800.0f + kSoft, bottom, kSoft, alpha);
        if (i < count)
        {
            top = lines[i].m_y - lines[i].m_size - kPad;
            bottom = lines[i].m_y + kPad;
        }
    }
    const CBitmapText& font = *m_resources;
    for (std::size_t i = 0; i < count; ++i)
    {
        const SLine& line = lines[i];
        const float x = line.m_x - font.TextWidth(line.m_text, line.m_size) / 2.0f;
        font.DrawTextOutlined(line.m_text, line.m_size, x, line.m_y, 0.0f, 1.0f, 1.0f, 1.0f, m_message_alpha,
                              false, false);
    }
}
} // namespace NGame
