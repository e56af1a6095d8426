// Backgrounds of the menus and the game, dialogs, the lock and every control
// picture. Captions, tracks and frames are painted where the layouts put the
// controls (Layout.h), shifted by the backdrop's offset of (112, 212).
#include "tools/datagen/Screens.h"
#include "rules/BonusTable.h"

#include "catalogue/LevelSets.h"
#include "catalogue/Places.h"
#include "catalogue/Texts.h"
#include "tools/datagen/Config.h"
#include "tools/datagen/Flowers.h"
#include "tools/datagen/Generate.h"
#include "tools/datagen/Layout.h"
#include "tools/datagen/Output.h"
#include "tools/datagen/Painter.h"
#include "tools/datagen/Sheet.h"
#include "tools/datagen/Text.h"
#include "tools/datagen/Widgets.h"

#include <cmath>

namespace NDatagen
{
namespace
{
using NTexts::EText;
using NTexts::Text;

constexpr int kBg = static_cast<int>(NPlaces::kBackdropSide);
constexpr float kOx = kBgOffsetX, kOy = kBgOffsetY;

SPlace Find(const std::vector<SPlace>& layout, const std::string& name)
{
    for (const SPlace& p : layout)
        if (name == p.name)
            return p;
    return SPlace{"", 0, 0};
}

void Caption(CImage& img, const std::string& text, float sx, float sy, float size,
             EAlign align = EAlign::Left, SColour colour = Rgb(70, 48, 24))
{
    STextStyle style;
    style.size = size;
    style.align = align;
    style.colour = colour;
    style.outline = 1.2f;
    style.outlineColour = WithAlpha(Rgb(255, 250, 230), 0.9f);
    DrawText(img, text, sx + kOx, sy + kOy, style);
}

// A groove for a slider whose thumb's left edge runs from x to x + length.
void Track(CImage& img, float sx, float sy, float length, int ticks)
{
    const float x0 = sx + kOx + kThumbW / 2.0f, x1 = x0 + length, y = sy + kOy + kThumbH / 2.0f;
    const SBox box{x0 - 12, y - 12, x1 + 12, y + 12};
    auto groove = [=](float x, float yy) { return SdRoundRect(x, yy, x0 - 6, y - 5, x1 + 6, y + 5, 5); };
    Fill(img, box, groove, LinearGradient({0, y - 5}, Rgb(80, 60, 40), {0, y + 5}, Rgb(150, 120, 80)));
    Stroke(img, box, groove, 1.5f, Rgb(60, 40, 20));
    for (int i = 0; i <= ticks; ++i)
    {
        const float x = x0 + length * i / ticks;
        Fill(
            img, {x - 2, y + 7, x + 2, y + 16},
            [=](float px, float py) {
                return SdSegment(px, py, {x, y + 9}, {x, y + 14}, 0.9f);
            },
            Rgb(90, 64, 30));
    }
}

void Frame(CImage& img, float sx0, float sy0, float sx1, float sy1)
{
    const float x0 = sx0 + kOx, y0 = sy0 + kOy, x1 = sx1 + kOx, y1 = sy1 + kOy;
    const SBox box{x0 - 10, y0 - 10, x1 + 10, y1 + 10};
    Shadow(
        img, box, [=](float x, float y) { return SdRoundRect(x, y, x0 + 2, y0 + 3, x1 + 2, y1 + 3, 8); }, 4,
        WithAlpha(Rgb(0, 0, 0), 0.4f));
    Fill(
        img, box, [=](float x, float y) { return SdRoundRect(x, y, x0, y0, x1, y1, 8); }, Rgb(40, 56, 36));
    Stroke(
        img, box, [=](float x, float y) { return SdRoundRect(x, y, x0, y0, x1, y1, 8); }, 5,
        Rgb(140, 96, 50));
    Stroke(
        img, box, [=](float x, float y) { return SdRoundRect(x, y, x0 - 2, y0 - 2, x1 + 2, y1 + 2, 9); },
        1.2f, Rgb(250, 220, 160));
}

void Buttons(COutput& out)
{
    const struct
    {
        const char* key;
        EText label;
        int width;
        int arrow;
    } buttons[] = {{"m_new_game_btn", EText::kPlay, kButtonW, 0},
                   {"m_new_game_adv_btn", EText::kAdvanced, kButtonW, 0},
                   {"m_new_game_custom_btn", EText::kCustom, kButtonW, 0},
                   {"m_continue_btn", EText::kContinue, kButtonW, 0},
                   {"m_quit_game_btn", EText::kQuit, kButtonW, 0},
                   {"m_ok_btn", EText::kOk, kButtonW, 0},
                   {"m_help_btn", EText::kHelp, kButtonW, 0},
                   {"m_top7_btn", EText::kTop7, kButtonW, 0},
                   {"m_options_btn", EText::kOptions, kButtonW, 0},
                   {"m_mini_btn", EText::kMinimise, kButtonW, 0},
                   {"m_fullscreen_btn", EText::kFullScreen, kButtonW, 0},
                   {"m_help_next_btn", EText::kNext, kSmallButtonW, 1},
                   {"m_help_prev_btn", EText::kPrev, kSmallButtonW, -1},
                   {"m_top_next_btn", EText::kNext, kSmallButtonW, 1},
                   {"m_top_prev_btn", EText::kPrev, kSmallButtonW, -1},
                   {"m_stats_btn", EText::kStats, kSmallButtonW, 0},
                   {"m_back_btn", EText::kBack, kButtonW, 0},
                   {"m_cancel_btn", EText::kCancel, kButtonW, 0},
                   {"m_start_btn", EText::kStart, kButtonW, 0},
                   {"m_continuesaved_btn", EText::kContinue, kButtonW, 0},
                   {"m_startnew_btn", EText::kNewGame, kButtonW, 0}};
    for (const auto& b : buttons)
        out.WriteTga(MenuResourceFile(b.key),
                     StackBands(ButtonLooks(Text(b.label), b.width, kButtonH, b.arrow)));
    out.WriteTga(MenuResourceFile("m_check_box"), StackBands(CheckBoxLooks(kCheckSize, false)));
    out.WriteTga(MenuResourceFile("m_check_box2"), StackBands(CheckBoxLooks(kCheckSize, true)));
    out.WriteTga(MenuResourceFile("m_music_track_bar"), StackBands(ThumbLooks(kThumbW, kThumbH)));
    out.WriteTga(MenuResourceFile("m_enter_name_editbox"), StackBands(EditBoxLooks(kEditW, kEditH)));

    // The game screen's buttons.
    std::vector<CImage> menuLooks = ButtonLooks(Text(EText::kMenu), kMenuBtnTexW - 24, kMenuBtnH);
    for (CImage& look : menuLooks)
    {
        CImage wide(kMenuBtnTexW, kMenuBtnH);
        wide.Paste(look, 20, 0);
        look = wide;
    }
    out.WriteTga("dat/maun_menu_btn.tga", StackBands(menuLooks));
    for (const NGame::SBonusInfo& bonus : NGame::kBonusTable)
        out.WriteTga(bonus.ButtonFile(), StackBands(BonusButtonLooks(bonus.m_kind, kBonusW)));
    out.WriteTga("dat/hints_checkbox.tga", StackBands(CheckBoxLooks(kHintCheck, false)));
}

void MainMenu(COutput& out)
{
    CImage img = Meadow(11, 1.0f);
    Title(img, Text(EText::kGameName), 400 + kOx, 150 + kOy, 96);
    Caption(img, Text(EText::kTagline), 400, 190, 22, EAlign::Centre, Rgb(255, 250, 220));
    const SPlace first = Find(kMainLayout, "m_game_btn"), last = Find(kMainLayout, "m_quit_game_btn");
    Parchment(img, first.x + kOx - 24, first.y + kOy - 14, first.x + kButtonW + kOx + 24,
              last.y + kButtonH + kOy + 14);
    out.WriteJpeg(MenuResourceFile("m_main_window_back"), img);

    CImage intro = Meadow(5, 1.05f);
    Title(intro, Text(EText::kGameName), 400 + kOx, 270 + kOy, 120);
    STextStyle style;
    style.size = 26;
    style.align = EAlign::Centre;
    style.colour = Rgb(255, 250, 220);
    style.outline = 2;
    DrawText(intro, Text(EText::kLoading), 400 + kOx, 420 + kOy, style);
    out.WriteJpeg(NPlaces::kIntroPicture, intro);
}

void Options(COutput& out)
{
    CImage img = Meadow(23, 0.95f);
    Title(img, Text(EText::kOptions), 400 + kOx, 120 + kOy, 64);
    Parchment(img, 80 + kOx, 160 + kOy, 720 + kOx, kOpponentRowY + 42 + kOy);
    const SPlace track = Find(kOptionsLayout, "m_musik_volume_track_bar");
    Caption(img, Text(EText::kMusic), track.x - 16, track.y + 24, 22, EAlign::Right);
    Track(img, track.x, track.y, kVolumeTrackLength, 8);
    const struct
    {
        const char* name;
        EText text;
    } boxes[] = {{"m_sound_cb", EText::kSound},
                 {"m_hints_cb", EText::kHints},
                 {"m_dragons_cb", EText::kDragons},
                 {"m_fs_cb", EText::kFullScreen},
                 {"m_zones_cb", EText::kShowZones}};
    for (const auto& b : boxes)
    {
        const SPlace p = Find(kOptionsLayout, b.name);
        Caption(img, Text(b.text), p.x + kCheckSize + 8, p.y + 23, 22);
    }
    Caption(img, Text(EText::kOpponent), kOpponentCaptionX, kOpponentRowY + 22, kOpponentTextSize);
    for (const NOpponents::SOpponent& opponent : NOpponents::kOpponents)
    {
        const SPlace p = Find(kOptionsLayout, opponent.m_box_key);
        Caption(img, Text(opponent.m_caption), p.x + kCheckSize + 8, p.y + 22, kOpponentTextSize);
    }
    out.WriteJpeg(MenuResourceFile("m_options_window_back"), img);
}

void CustomLevel(COutput& out)
{
    CImage img = Meadow(37, 0.95f);
    Title(img, Text(EText::kChooseLevel), 400 + kOx, 110 + kOy, 52);
    Parchment(img, 110 + kOx, 160 + kOy, 700 + kOx, 490 + kOy);
    Frame(img, kPreview.m_x, kPreview.m_y, kPreview.m_x + 800 * kPreview.m_size,
          kPreview.m_y + 600 * kPreview.m_size);
    Caption(img, Text(EText::kLevelCaption), kChosenLevel.m_x - 14, kChosenLevel.m_y - 6, 26, EAlign::Right);
    for (const NLevelSets::SLevelSet& set : NLevelSets::kSets)
    {
        const SPlace p = Find(kCustomLayout, set.m_box_key);
        Caption(img, Text(set.m_box_caption), p.x + kCheckSize + 8, p.y + 23, 22);
    }
    const SPlace track = Find(kCustomLayout, "m_level_track_bar");
    Track(img, track.x, track.y, kLevelTrackLength, 10);
    const float labelY = track.y + kLevelLabelDrop;
    Caption(img, "1", track.x + kThumbW / 2.0f, labelY, kLevelLabelSize, EAlign::Centre);
    Caption(img, "100", track.x + kThumbW / 2.0f + kLevelTrackLength, labelY, kLevelLabelSize,
            EAlign::Centre);
    out.WriteJpeg(MenuResourceFile("m_cust_lev_wnd"), img);

    // The lock lies over the preview of a level not reached yet.
    CImage lock(320, 160);
    const float px = kPreview.m_x - kLock.m_x, py = kPreview.m_y - kLock.m_y;
    const float cx = px + 400 * kPreview.m_size, cy = py + 300 * kPreview.m_size;
    const SBox all{0, 0, 320, 160};
    Fill(
        lock, all,
        [=](float x, float y)
        {
            return SdRoundRect(x, y, px, std::max(0.0f, py), px + 800 * kPreview.m_size,
                               py + 600 * kPreview.m_size, 6);
        },
        WithAlpha(Rgb(20, 20, 30), 0.55f));
    auto shackle = [=](float x, float y)
    { return std::max(std::fabs(SdCircle(x, y, cx, cy - 14, 16)) - 4.5f, y - (cy - 6)); };
    Fill(lock, all, shackle, Rgb(200, 200, 210));
    Stroke(lock, all, shackle, 1.2f, Rgb(60, 60, 70));
    auto body = [=](float x, float y) { return SdRoundRect(x, y, cx - 24, cy - 8, cx + 24, cy + 30, 6); };
    Fill(lock, all, body, LinearGradient({0, cy - 8}, Rgb(250, 210, 80), {0, cy + 30}, Rgb(180, 120, 20)));
    Stroke(lock, all, body, 2, Rgb(90, 60, 10));
    Fill(
        lock, all,
        [=](float x, float y) {
            return std::min(SdCircle(x, y, cx, cy + 6, 5),
                            SdSegment(x, y, {cx, cy + 8}, {cx, cy + 18}, 2.2f));
        },
        Rgb(70, 40, 10));
    STextStyle style;
    style.size = 16;
    style.align = EAlign::Centre;
    style.outline = 1.5f;
    DrawText(lock, Text(EText::kNotReached), cx, cy + 52, style);
    out.WriteTga("mui/locked.tga", lock);
}

void HelpAndTop(COutput& out)
{
    CImage help = Meadow(41, 0.95f);
    Parchment(help, 40 + kOx, 24 + kOy, 760 + kOx, 512 + kOy);
    out.WriteJpeg(MenuResourceFile("m_help_window_back"), help);

    CImage top = Meadow(53, 0.95f);
    Parchment(top, 150 + kOx, 110 + kOy, 650 + kOx, 510 + kOy);
    for (int j = 0; j < 7; ++j)
    {
        const float y = kTopRowY + kTopRowStep * j + kOy;
        Fill(
            top, {160 + kOx, y - 34, 640 + kOx, y + 10},
            [=](float x, float yy) { return SdRoundRect(x, yy, 170 + kOx, y - 30, 630 + kOx, y + 8, 8); },
            WithAlpha(j % 2 ? Rgb(120, 170, 90) : Rgb(90, 140, 70), 0.55f));
    }
    out.WriteJpeg(MenuResourceFile("m_top_window_back"), top);
}

void Dialogs(COutput& out)
{
    CImage cont(512, 512);
    Parchment(cont, kContinueMargin, kContinueMargin, 512 - kContinueMargin, 512 - kContinueMargin);
    Title(cont, Text(EText::kSavedGame), 256, 110, 44);
    // A plate behind the level and score lines that the dialog prints.
    const float ty = NPlaces::Place(NPlaces::EPlace::kContinueLevel).m_y;
    const float sy = NPlaces::Place(NPlaces::EPlace::kContinueScore).m_y;
    Fill(
        cont, {120, ty - 40, 392, sy + 16},
        [=](float x, float y) { return SdRoundRect(x, y, 130, ty - 34, 382, sy + 12, 10); },
        WithAlpha(Rgb(60, 100, 50), 0.85f));
    STextStyle small;
    small.size = 18;
    small.align = EAlign::Centre;
    small.colour = Rgb(90, 60, 30);
    DrawText(cont, Text(EText::kGameWaiting), 256, 165, small);
    out.WriteTga(MenuResourceFile("m_continue_dlg_back"), cont);

    CImage name(512, 256);
    Parchment(name, kEnterNameMargin, kEnterNameMargin, 512 - kEnterNameMargin, 256 - kEnterNameMargin);
    Title(name, Text(EText::kNewHighScore), 256, 58, 34);
    small.size = 18;
    DrawText(name, Text(EText::kEnterYourName), 256, kEditBoxY - 8, small);
    out.WriteTga(MenuResourceFile("m_enter_name_dlg_back"), name);
}

void GameBackground(COutput& out)
{
    // Few, faint flowers: anything flower-like beside the board would
    // distract from the board's own.
    CImage img = Meadow(67, 0.8f, 24, 0.35f);
    auto plate = [&](float x0, float y0, float x1, float y1)
    {
        const SBox b{x0 + kOx - 8, y0 + kOy - 8, x1 + kOx + 8, y1 + kOy + 8};
        auto d = [=](float x, float y)
        { return SdRoundRect(x, y, x0 + kOx, y0 + kOy, x1 + kOx, y1 + kOy, 12); };
        Shadow(
            img, b, [=](float x, float y) { return d(x - 2, y - 3); }, 4, WithAlpha(Rgb(0, 0, 0), 0.35f));
        Fill(img, b, d,
             LinearGradient({0, y0 + kOy}, Rgb(110, 80, 50, 0.9f), {0, y1 + kOy}, Rgb(70, 50, 30, 0.9f)));
        Stroke(img, b, d, 2, Rgb(200, 160, 100));
    };
    auto label = [&](const char* text, float x, float y)
    {
        STextStyle s;
        s.size = 11;
        s.align = EAlign::Centre;
        s.colour = Rgb(250, 230, 180);
        DrawText(img, text, x + kOx, y + kOy, s);
    };
    // The status numbers are drawn by the game at fixed places; these plates
    // and labels sit behind them in the board's empty corners.
    plate(10, 8, 128, 98);
    label(Text(EText::kYourFlowers), 76, 54);
    Fill(
        img, {kOx, kOy + 60, kOx + 40, kOy + 100},
        [=](float x, float y) { return SdCircle(x, y, 24 + kOx, 81 + kOy, 8); },
        RadialGradient({22 + kOx, 79 + kOy}, 10, Rgb(255, 230, 110), Rgb(190, 130, 20)));
    // Right of the top row of the widest board (it ends near x 644).
    plate(668, 8, 790, 56);
    label(Text(EText::kRival), 718, 52);
    plate(14, 470, 100, 566);
    label(Text(EText::kLives), 72, 513);
    label(Text(EText::kScore), 81, 562);
    auto heart = [=](float x, float y)
    {
        const float hx = x - (32 + kOx), hy = y - (491 + kOy);
        return std::min({SdCircle(hx, hy, -4, -2, 5), SdCircle(hx, hy, 4, -2, 5),
                         SdPolygon(hx, hy, {{-8.5f, 0}, {8.5f, 0}, {0, 9}})});
    };
    Fill(img, {kOx + 18, kOy + 478, kOx + 46, kOy + 504}, heart, Rgb(220, 50, 60));
    plate(688, 520, 790, 566);
    label(Text(EText::kLevel), 717, 562);
    // The shelf that carries the bonus buttons.
    plate(kBonusRowX - 8, kBonusRowY - 2, kBonusRowX + kBonusPitch * NGame::BonusKindCount - 4 + 4, 606);
    out.WriteJpeg("dat/game_bg.jpg", img, 88);
    if (out.PreviewOn())
        for (int level : {0, 52, 89})
            out.PreviewOnly("mockup/game_level" + std::to_string(level), GameMockup(level, img));
}
} // namespace

CImage Meadow(uint32_t seed, float brightness, int flowers, float flowerOpacity)
{
    CImage img(kBg, kBg);
    CRandom rnd(seed);
    const SColour sky = Shade(Rgb(150, 200, 120), brightness), grass = Shade(Rgb(58, 118, 52), brightness);
    for (int py = 0; py < img.PixelHeight(); ++py)
        for (int px = 0; px < img.PixelWidth(); ++px)
        {
            const float x = img.Unit(px), y = img.Unit(py);
            const float t = y / kBg;
            // Gentle rolling light across the lawn.
            const float wave =
                0.06f * std::sin(x * 0.011f + y * 0.004f + seed) + 0.04f * std::sin(y * 0.02f - x * 0.006f);
            SColour c = Mix(sky, grass, std::min(1.0f, t * 1.3f));
            c = Shade(c, 1.0f + wave);
            img.At(px, py) = c;
        }
    // Blades of grass and scattered flowers, then a soft vignette.
    for (int i = 0; i < 1400; ++i)
    {
        const float x = rnd.Range(0, kBg), y = rnd.Range(0, kBg), len = rnd.Range(6, 16);
        const float lean = rnd.Range(-4, 4);
        const SColour c = Shade(Rgb(40, 100, 40), rnd.Range(0.7f, 1.6f) * brightness);
        Fill(
            img, {x - 6, y - len - 2, x + 6, y + 2},
            [=](float px, float py) {
                return SdSegment(px, py, {x, y}, {x + lean, y - len}, 0.9f);
            },
            WithAlpha(c, 0.55f));
    }
    for (int i = 0; i < flowers; ++i)
    {
        const int size = 14 + rnd.Int(16);
        CImage f = RenderFlower(rnd.Int(kFlowerColours), 1.0f, size, rnd.Range(0, 360));
        img.Paste(f, rnd.Int(kBg - size), rnd.Int(kBg - size), flowerOpacity);
    }
    for (int py = 0; py < img.PixelHeight(); ++py)
        for (int px = 0; px < img.PixelWidth(); ++px)
        {
            const float dx = (img.Unit(px) - 512.0f) / 512.0f, dy = (img.Unit(py) - 512.0f) / 512.0f;
            const float v = std::clamp(1.15f - 0.45f * (dx * dx + dy * dy), 0.6f, 1.0f);
            SColour& c = img.At(px, py);
            c = Shade(c, v);
        }
    return img;
}

void Parchment(CImage& img, float x0, float y0, float x1, float y1)
{
    const SBox b{x0 - 10, y0 - 10, x1 + 10, y1 + 10};
    auto d = [=](float x, float y) { return SdRoundRect(x, y, x0, y0, x1, y1, 18); };
    Shadow(
        img, b, [=](float x, float y) { return d(x - 3, y - 5); }, 6, WithAlpha(Rgb(0, 0, 0), 0.4f));
    Fill(img, b, d, LinearGradient({x0, y0}, Rgb(252, 246, 224, 0.95f), {x1, y1}, Rgb(236, 222, 186, 0.95f)));
    Stroke(img, b, d, 3, Rgb(150, 110, 60));
    Stroke(
        img, b, [=](float x, float y) { return SdRoundRect(x, y, x0 + 7, y0 + 7, x1 - 7, y1 - 7, 13); }, 1.2f,
        WithAlpha(Rgb(150, 110, 60), 0.6f));
}

void Title(CImage& img, const std::string& text, float x, float y, float size)
{
    STextStyle style;
    style.size = size;
    style.align = EAlign::Centre;
    style.colour = Rgb(255, 214, 90);
    style.outline = std::max(2.0f, size / 16);
    style.outlineColour = Rgb(90, 40, 30);
    style.shadow = size / 14;
    DrawText(img, text, x, y, style);
}

void WriteScreens(COutput& out)
{
    Buttons(out);
    MainMenu(out);
    Options(out);
    CustomLevel(out);
    HelpAndTop(out);
    Dialogs(out);
    GameBackground(out);
}
} // namespace NDatagen
