// "mui/help.xml": pages of text and animated pictures that teach the game.
// Pictures reuse the game's sheets (flowers, coins, insects) plus one sheet of
// the bonus icons made here.
#include "catalogue/Texts.h"
#include "rules/BonusTable.h"
#include "text/WordWrap.h"
#include "tools/datagen/Config.h"
#include "tools/datagen/Font.h"
#include "tools/datagen/Generate.h"
#include "tools/datagen/Output.h"
#include "tools/datagen/Sheet.h"
#include "tools/datagen/Widgets.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace NDatagen
{
namespace
{
class CHelpWriter
{
  public:
    explicit CHelpWriter(const NText::CFontMetrics& font) : m_font(font) {}

    void Page()
    {
        Close();
        m_xml += "  <page>\n";
        m_open = true;
        m_blocks = 0;
    }

    // A text block whose first baseline is y; returns the baseline below its
    // last line. The block shows exactly as many lines as the game's wrap makes.
    float Text(float x, float y, float width, float size, const std::string& text, bool title = false)
    {
        const std::string shown = NGame::FillPrices(text, NGame::DefaultBonusPrice);
        const int lines = static_cast<int>(NText::WrapWords(shown, m_font, size, width).size());
        char head[200];
        std::snprintf(head, sizeof head,
                      "    <block font_size=\"%g\" width=\"%g\" height=\"%d\">\n      <pos x=\"%g\" y=\"%g\" "
                      "z=\"0\"></pos>\n",
                      size, width, lines, x, y);
        m_xml += head;
        m_xml += title ? "      <font_color r=\"0.65\" g=\"0.25\" b=\"0.12\" a=\"1\"></font_color>\n"
                       : "      <font_color r=\"0.28\" g=\"0.18\" b=\"0.08\" a=\"1\"></font_color>\n";
        m_xml += "      <text>" + text + "</text>\n    </block>\n";
        const float bottom = y + (lines - 1) * size;
        if (bottom > kPageBottom)
            m_problems += "help page " + std::to_string(m_page + 1) +
                          " runs off the page: " + text.substr(0, 40) + "\n";
        return bottom + size;
    }

    void Image(float x, float y, float w, float h, const std::string& spr, int group, bool animated,
               int frameTime = 80)
    {
        // Every picture gets its own name, so that two pictures of one sheet
        // on the same page stay two sprites.
        char buf[400];
        std::snprintf(buf, sizeof buf,
                      "    <block width=\"%g\" height=\"%g\">\n      <pos x=\"%g\" y=\"%g\" z=\"0\"></pos>\n"
                      "      <image animated=\"%d\" name=\"help_p%d_b%d\" frame_time=\"%d\" "
                      "group=\"%d\">%s</image>\n    </block>\n",
                      w, h, x, y, animated ? 1 : 0, m_page, m_blocks, frameTime, group, spr.c_str());
        m_xml += buf;
        ++m_blocks;
    }

    std::string Finish()
    {
        Close();
        return "<help>\n" + m_xml + "</help>\n";
    }
    const std::string& Problems() const { return m_problems; }

  private:
    static constexpr float kPageBottom = 500; // the buttons start below

    void Close()
    {
        if (m_open)
        {
            m_xml += "  </page>\n";
            ++m_page;
        }
        m_open = false;
    }

    const NText::CFontMetrics& m_font;
    std::string m_xml, m_problems;
    bool m_open = false;
    int m_page = 0;
    int m_blocks = 0;
};

constexpr float kLeft = 80, kWidth = 640;
using NTexts::EText;
using NTexts::Text;
constexpr float kTitleY = 84, kBody = 18, kGap = 14;

// The rules: zones and moves.
void GardenPage(CHelpWriter& h)
{
    h.Page();
    h.Text(kLeft, kTitleY, kWidth, 34, Text(EText::kHelpGardenTitle), true);
    const float y = h.Text(kLeft, 128, kWidth, kBody, Text(EText::kHelpGarden));
    for (int c = 0; c < 6; ++c)
        h.Image(160 + c * 96.0f, y + 24, 64, 64, "dat/skin01.spr", c, false);
    h.Text(kLeft, y + 90, kWidth, kBody, Text(EText::kHelpGardenEnd));
}

// Capturing what the rival cannot reach.
void CapturingPage(CHelpWriter& h)
{
    h.Page();
    h.Text(kLeft, kTitleY, kWidth, 34, Text(EText::kHelpCapturingTitle), true);
    h.Image(600, 200, 160, 120, "mui/help/gameplay.spr", 0, true, 1000);
    const float y = h.Text(kLeft, 128, 420, kBody, Text(EText::kHelpCapturing));
    const float below = h.Text(kLeft, std::max(y, 290.0f) + kGap, kWidth, kBody, Text(EText::kHelpPreview));
    h.Text(kLeft, below + kGap, kWidth, kBody, Text(EText::kHelpZones));
}

// The six flowers and their keys.
void FlowersPage(CHelpWriter& h)
{
    h.Page();
    h.Text(kLeft, kTitleY, kWidth, 34, Text(EText::kHelpFlowersTitle), true);
    h.Text(kLeft, 128, kWidth, kBody, Text(EText::kHelpFlowers));
    static const EText names[6] = {EText::kHelpFlower1, EText::kHelpFlower2, EText::kHelpFlower3,
                                   EText::kHelpFlower4, EText::kHelpFlower5, EText::kHelpFlower6};
    for (int c = 0; c < 6; ++c)
    {
        const float x = c < 3 ? 120.0f : 420.0f, cy = 220 + (c % 3) * 90.0f;
        h.Image(x, cy, 64, 64, "dat/skin01.spr", c, false);
        h.Text(x + 44, cy + 7, 210, kBody, Text(names[c]));
    }
    h.Text(kLeft, 470, kWidth, kBody, Text(EText::kHelpKeys));
}

// The coins, then the bonuses, six a page, each at the price the game's
// configuration gives it.
void CoinsAndBonusPages(CHelpWriter& h)
{
    h.Page();
    h.Text(kLeft, kTitleY, kWidth, 34, Text(EText::kHelpCoinsTitle), true);
    const float y = h.Text(kLeft, 128, kWidth, kBody, Text(EText::kHelpCoins));
    h.Image(150, y + 60, 48, 48, "dat/insects.spr", 0, true, 40);
    static const EText values[5] = {EText::kHelpCoin1, EText::kHelpCoin5, EText::kHelpCoin10,
                                    EText::kHelpCoin25, EText::kHelpCoin100};
    for (int k = 0; k < 5; ++k)
    {
        h.Image(260 + k * 100.0f, y + 60, 64, 64, "dat/bonus.spr", k, true, 60);
        h.Text(224 + k * 100.0f, y + 118, 100, 15, Text(values[k]));
    }
    h.Text(kLeft, y + 170, kWidth, kBody, Text(EText::kHelpSpend));

    constexpr int kPerPage = 6;
    for (int first = 0; first < NGame::BonusKindCount; first += kPerPage)
    {
        h.Page();
        h.Text(kLeft, kTitleY, kWidth, 34,
               Text(first == 0 ? EText::kHelpBonusesTitle : EText::kHelpMoreBonusesTitle), true);
        for (int i = first; i < std::min(first + kPerPage, static_cast<int>(NGame::BonusKindCount)); ++i)
        {
            const float by = 150 + (i - first) * 60.0f;
            h.Image(120, by, 48, 48, "mui/help/bonuses.spr", i, false);
            h.Text(160, by + 7, 580, kBody, NGame::kBonusTable[i].HelpLine());
        }
    }
}

// Lives, score, the top 7 and the opponent to choose.
void LivesPage(CHelpWriter& h)
{
    h.Page();
    h.Text(kLeft, kTitleY, kWidth, 34, Text(EText::kHelpLivesTitle), true);
    h.Image(120, 150, 48, 48, "mui/help/bonuses.spr", NGame::BonusLife, false);
    float y = h.Text(165, 134, 560, kBody, Text(EText::kHelpLives));
    y = h.Text(kLeft, y + kGap, kWidth, kBody, Text(EText::kHelpScore));
    h.Text(kLeft, y + kGap, kWidth, kBody, Text(EText::kHelpOpponent));
}

// The magnifier and the keys.
void KeysPage(CHelpWriter& h)
{
    h.Page();
    h.Text(kLeft, kTitleY, kWidth, 34, Text(EText::kHelpMagnifierTitle), true);
    float y = h.Text(kLeft, 128, kWidth, kBody, Text(EText::kHelpMagnifier));
    y = h.Text(kLeft, y + kGap, kWidth, kBody, Text(EText::kHelpMenuKeys));
    h.Image(400, y + 50, 64, 64, "dat/marker.spr", 0, true, 60);
}

// The level sets and the window.
void LevelSetsPage(CHelpWriter& h)
{
    h.Page();
    h.Text(kLeft, kTitleY, kWidth, 34, Text(EText::kHelpSetsTitle), true);
    const float y = h.Text(kLeft, 128, kWidth, kBody, Text(EText::kHelpSets));
    h.Text(kLeft, y + kGap, kWidth, kBody, Text(EText::kHelpWindow));
}

} // namespace

bool WriteHelp(COutput& out, std::string& problems)
{
    std::vector<std::vector<CImage>> icons;
    for (int kind = 0; kind < NGame::BonusKindCount; ++kind)
        icons.push_back({BonusButtonLooks(kind, 48)[0]});
    WriteSprite(out, "mui/help/bonuses.spr", icons);

    const NText::CFontMetrics font = FontSheetMetrics();
    CHelpWriter h(font);
    GardenPage(h);
    CapturingPage(h);
    FlowersPage(h);
    CoinsAndBonusPages(h);
    LivesPage(h);
    KeysPage(h);
    LevelSetsPage(h);
    out.WriteText("mui/help.xml", h.Finish());
    problems += h.Problems();
    return h.Problems().empty();
}
} // namespace NDatagen
