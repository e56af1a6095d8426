// "mui/help.xml": pages of text and animated pictures that teach the game.
// Pictures reuse the game's sheets (flowers, coins, insects) plus one sheet of
// the bonus icons made here.
#include "tools/datagen/Config.h"
#include "tools/datagen/Generate.h"
#include "tools/datagen/Output.h"
#include "tools/datagen/Sheet.h"
#include "tools/datagen/Widgets.h"

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
    void Page() { Close(); m_xml += "  <page>\n"; m_open = true; m_blocks = 0; }

    void Text(float x, float y, float width, int lines, float size, const std::string& text, bool title = false)
    {
        char head[200];
        std::snprintf(head, sizeof head, "    <block font_size=\"%g\" width=\"%g\" height=\"%d\">\n      <pos x=\"%g\" y=\"%g\" z=\"0\"></pos>\n",
                      size, width, lines, x, y);
        m_xml += head;
        m_xml += title ? "      <font_color r=\"0.65\" g=\"0.25\" b=\"0.12\" a=\"1\"></font_color>\n"
                       : "      <font_color r=\"0.28\" g=\"0.18\" b=\"0.08\" a=\"1\"></font_color>\n";
        m_xml += "      <text>" + text + "</text>\n    </block>\n";
    }

    void Image(float x, float y, float w, float h, const std::string& spr, int group, bool animated, int frameTime = 80)
    {
        // Every picture gets its own name, so that two pictures of one sheet
        // on the same page stay two sprites.
        char buf[400];
        std::snprintf(buf, sizeof buf,
                      "    <block width=\"%g\" height=\"%g\">\n      <pos x=\"%g\" y=\"%g\" z=\"0\"></pos>\n"
                      "      <image animated=\"%d\" name=\"help_p%d_b%d\" frame_time=\"%d\" group=\"%d\">%s</image>\n    </block>\n",
                      w, h, x, y, animated ? 1 : 0, m_page, m_blocks, frameTime, group, spr.c_str());
        m_xml += buf;
        ++m_blocks;
    }

    std::string Finish() { Close(); return "<help>\n" + m_xml + "</help>\n"; }

private:
    void Close()
    {
        if (m_open)
            m_xml += "  </page>\n";
        m_open = false;
        ++m_page;
    }

    std::string m_xml;
    bool m_open = false;
    int m_page = 0;
    int m_blocks = 0;
};

constexpr float kLeft = 80, kWidth = 640;
} // namespace

void WriteHelp(COutput& out)
{
    std::vector<std::vector<CImage>> icons;
    for (int i = 0; i < 11; ++i)
        icons.push_back({BonusButtonLooks(i, 48)[0]});
    WriteSprite(out, "mui/help/bonuses.spr", icons);

    CHelpWriter h;
    h.Page();
    h.Text(kLeft, 84, kWidth, 1, 34, "The garden", true);
    h.Text(kLeft, 130, kWidth, 8, 20,
           "You and your rival each own a zone of flowers. Yours starts at the left end of the middle row, "
           "the rival's at the right end. A zone is every flower joined to its home through flowers of the home's colour. "
           "On your turn click a flower of another colour: your whole zone takes that colour and swallows every flower "
           "of it that touches the zone. Then the rival moves the same way.");
    for (int c = 0; c < 6; ++c)
        h.Image(160 + c * 96.0f, 360, 64, 64, "dat/skin01.spr", c, false);
    h.Text(kLeft, 440, kWidth, 3, 20,
           "You may never pick your own colour or the rival's. The level ends when every flower belongs to a zone; "
           "own at least half of the garden to complete it.");

    h.Page();
    h.Text(kLeft, 84, kWidth, 1, 34, "Capturing", true);
    h.Image(560, 210, 160, 120, "dat/hints/gameplay.spr", 0, true, 1000);
    h.Text(kLeft, 130, 400, 9, 20,
           "Every free area that your move cuts off from the rival becomes yours at once, whatever its colours: "
           "fence off a corner with a wall of your colour and the whole corner is captured. Holes in the ground "
           "and the edge of the board count as fences too.");
    h.Text(kLeft, 360, kWidth, 6, 20,
           "While it is your turn, the flowers that a click would win are outlined under the pointer. Look before "
           "you click: a colour that opens a wide front is often better than the biggest bite.");

    h.Page();
    h.Text(kLeft, 84, kWidth, 1, 34, "Six flowers", true);
    h.Text(kLeft, 130, kWidth, 3, 20,
           "Every colour has its own shape, so you can tell them apart by the petals alone:");
    static const char* names[6] = {"5 round petals", "12 thin petals", "4 notched petals", "6 pointed petals",
                                   "3 broad petals", "scalloped cup"};
    for (int c = 0; c < 6; ++c)
    {
        const float x = c < 3 ? 130.0f : 430.0f, y = 230 + (c % 3) * 90.0f;
        h.Image(x, y, 64, 64, "dat/skin01.spr", c, false);
        h.Text(x + 50, y + 8, 220, 1, 20, names[c]);
    }

    h.Page();
    h.Text(kLeft, 84, kWidth, 1, 34, "Coins", true);
    h.Text(kLeft, 130, kWidth, 5, 20,
           "At the start of each level insects fly in and drop coins on the flowers. When a flower with a coin "
           "joins your zone the coin goes into your purse. The rival's coins are simply lost.");
    h.Image(150, 300, 48, 48, "dat/insects.spr", 0, true, 40);
    static const char* values[5] = {"1 cent", "5 cents", "10 cents", "25 cents", "1 dollar"};
    for (int k = 0; k < 5; ++k)
    {
        h.Image(260 + k * 100.0f, 300, 64, 64, "dat/bonus.spr", k, true, 60);
        h.Text(230 + k * 100.0f, 360, 100, 1, 16, values[k]);
    }
    h.Text(kLeft, 430, kWidth, 3, 20, "Spend the purse on the bonus buttons under the board, between your moves.");

    static const char* bonusText[11] = {
        "Repaint one flower into your colour (1 cent).",
        "Repaint a random patch into your colour (2 cents).",
        "Shuffle the colours of all free flowers (3 cents).",
        "Push one flower forward towards the rival (5 cents).",
        "Push three flowers forward (10 cents).",
        "Repaint your zone in a random colour (15 cents).",
        "The rival misses one turn (25 cents).",
        "The rival's zone loses two lines (30 cents).",
        "The rival's zone loses four lines (40 cents).",
        "Scramble the rival's whole zone (50 cents).",
        "Buy one more life (1 dollar).",
    };
    for (int part = 0; part < 2; ++part)
    {
        h.Page();
        h.Text(kLeft, 84, kWidth, 1, 34, part == 0 ? "Bonuses" : "More bonuses", true);
        const int first = part == 0 ? 0 : 6, last = part == 0 ? 6 : 11;
        for (int i = first; i < last; ++i)
        {
            const float y = 150 + (i - first) * 62.0f;
            h.Image(120, y, 48, 48, "mui/help/bonuses.spr", i, false);
            h.Text(165, y + 8, 560, 1, 20, bonusText[i]);
        }
    }

    h.Page();
    h.Text(kLeft, 84, kWidth, 1, 34, "Lives and score", true);
    h.Image(130, 170, 48, 48, "mui/help/bonuses.spr", 10, false);
    h.Text(180, 160, 540, 5, 20,
           "You start with three spare lives. Losing a level costs one and you play the level again. With no life "
           "left the purse buys one if it can; otherwise the game is over.");
    h.Text(kLeft, 330, kWidth, 6, 20,
           "At the end of every level the flowers of your zone are added to your score. The best seven scores of each level "
           "set are kept in the Top 7 table. The rival grows stronger with every level.");

    h.Page();
    h.Text(kLeft, 84, kWidth, 1, 34, "Magnifier and keys", true);
    h.Text(kLeft, 130, kWidth, 4, 20,
           "On the big boards the flowers are small. Hold the right mouse button and the flower under the pointer "
           "grows so you can see it clearly.");
    h.Text(kLeft, 260, kWidth, 6, 20,
           "Escape closes the menu screens and, on the main menu, quits. Enter on the main menu hides the window "
           "and stops the music. The Menu button above the board returns to the main menu; your game is kept and "
           "can be continued later, even after quitting.");
    h.Image(400, 440, 64, 64, "dat/marker.spr", 0, true, 60);

    out.WriteText("mui/help.xml", h.Finish());
}
} // namespace NDatagen
