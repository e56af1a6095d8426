// "mui/help.xml": pages of text and animated pictures that teach the game.
// Pictures reuse the game's sheets (flowers, coins, insects) plus one sheet of
// the bonus icons made here.
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
        const int lines = static_cast<int>(NText::WrapWords(text, m_font, size, width).size());
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
} // namespace

bool WriteHelp(COutput& out, std::string& problems)
{
    std::vector<std::vector<CImage>> icons;
    for (int i = 0; i < 11; ++i)
        icons.push_back({BonusButtonLooks(i, 48)[0]});
    WriteSprite(out, "mui/help/bonuses.spr", icons);

    const NText::CFontMetrics font = FontSheetMetrics();
    CHelpWriter h(font);
    constexpr float kTitleY = 84, kBody = 18, kGap = 14;

    h.Page();
    h.Text(kLeft, kTitleY, kWidth, 34, "The garden", true);
    float y = h.Text(
        kLeft, 128, kWidth, kBody,
        "You and your rival each own a zone of flowers. Yours starts at the left end of the middle row, "
        "the rival's at the right end. A zone is every flower joined to its home through flowers of the "
        "home's colour. On your turn click a flower of another colour: your whole zone takes that colour "
        "and swallows every flower of it that touches the zone. Then the rival moves the same way.");
    for (int c = 0; c < 6; ++c)
        h.Image(160 + c * 96.0f, y + 24, 64, 64, "dat/skin01.spr", c, false);
    h.Text(kLeft, y + 90, kWidth, kBody,
           "You may never pick your own colour or the rival's. The level ends when every flower belongs to a "
           "zone; "
           "own at least half of the garden to complete it.");

    h.Page();
    h.Text(kLeft, kTitleY, kWidth, 34, "Capturing", true);
    h.Image(600, 200, 160, 120, "mui/help/gameplay.spr", 0, true, 1000);
    y = h.Text(
        kLeft, 128, 420, kBody,
        "Every free area that your move cuts off from the rival becomes yours at once, whatever its colours: "
        "fence off a corner with a wall of your colour and the whole corner is captured. Holes in the ground "
        "and the edge of the board count as fences too.");
    h.Text(kLeft, std::max(y, 290.0f) + kGap, kWidth, kBody,
           "While it is your turn, the flowers that a click would win are outlined under the pointer. Look "
           "before "
           "you click: a colour that opens a wide front is often better than the biggest bite.");

    h.Page();
    h.Text(kLeft, kTitleY, kWidth, 34, "Six flowers", true);
    h.Text(kLeft, 128, kWidth, kBody,
           "Every colour has its own shape, so you can tell them apart by the petals alone. Keys 1 to 6 "
           "play them as a click would:");
    static const char* names[6] = {"1: five round petals",  "2: twelve thin petals", "3: four notched petals",
                                   "4: six pointed petals", "5: three broad petals", "6: a scalloped cup"};
    for (int c = 0; c < 6; ++c)
    {
        const float x = c < 3 ? 120.0f : 420.0f, cy = 220 + (c % 3) * 90.0f;
        h.Image(x, cy, 64, 64, "dat/skin01.spr", c, false);
        h.Text(x + 44, cy + 7, 210, kBody, names[c]);
    }
    h.Text(kLeft, 470, kWidth, kBody,
           "Space or Enter closes hints and goes on after a level; Escape opens the menu.");

    h.Page();
    h.Text(kLeft, kTitleY, kWidth, 34, "Coins", true);
    y = h.Text(
        kLeft, 128, kWidth, kBody,
        "At the start of each level insects fly in and drop coins on the flowers. When a flower with a coin "
        "joins your zone the coin goes into your purse. The rival's coins are simply lost.");
    h.Image(150, y + 60, 48, 48, "dat/insects.spr", 0, true, 40);
    static const char* values[5] = {"1 cent", "5 cents", "10 cents", "25 cents", "1 dollar"};
    for (int k = 0; k < 5; ++k)
    {
        h.Image(260 + k * 100.0f, y + 60, 64, 64, "dat/bonus.spr", k, true, 60);
        h.Text(224 + k * 100.0f, y + 118, 100, 15, values[k]);
    }
    h.Text(kLeft, y + 170, kWidth, kBody,
           "Spend the purse on the bonus buttons under the board, between your moves.");

    static const char* bonusText[11] = {
        "One flower turns your colour. 1 cent",
        "A random patch turns your colour. 2 cents",
        "All free flowers change colour. 3 cents",
        "One flower ahead turns yours. 5 cents",
        "Three flowers ahead turn yours. 10 cents",
        "Your zone takes a random colour. 15 cents",
        "The rival misses a turn. 25 cents",
        "The rival loses two lines. 30 cents",
        "The rival loses four lines. 40 cents",
        "The rival's zone is scrambled. 50 cents",
        "One more life. 1 dollar",
    };
    for (int part = 0; part < 2; ++part)
    {
        h.Page();
        h.Text(kLeft, kTitleY, kWidth, 34, part == 0 ? "Bonuses" : "More bonuses", true);
        const int first = part == 0 ? 0 : 6, last = part == 0 ? 6 : 11;
        for (int i = first; i < last; ++i)
        {
            const float by = 150 + (i - first) * 60.0f;
            h.Image(120, by, 48, 48, "mui/help/bonuses.spr", i, false);
            h.Text(160, by + 7, 580, kBody, bonusText[i]);
        }
    }

    h.Page();
    h.Text(kLeft, kTitleY, kWidth, 34, "Lives and score", true);
    h.Image(120, 150, 48, 48, "mui/help/bonuses.spr", 10, false);
    y = h.Text(
        165, 134, 560, kBody,
        "You start with three spare lives. Losing a level costs one and you play the level again. With no "
        "life left the purse buys one if it can; otherwise the game is over.");
    h.Text(
        kLeft, y + kGap, kWidth, kBody,
        "At the end of every classic or advanced level the flowers of your zone are added to your score. The "
        "Top 7 table keeps the best seven scores of the classic levels and those of the advanced ones; the "
        "moving levels add nothing to the score. The rival grows stronger with every level.");

    h.Page();
    h.Text(kLeft, kTitleY, kWidth, 34, "Magnifier and keys", true);
    y = h.Text(
        kLeft, 128, kWidth, kBody,
        "On the big boards the flowers are small. Hold the right mouse button and the flower under the "
        "pointer grows so you can see it clearly.");
    y = h.Text(
        kLeft, y + kGap, kWidth, kBody,
        "Escape closes the menu screens and, on the main menu, quits. Enter on the main menu hides the "
        "window and stops the music. On the menu screens Tab or the up and down arrows move the pointer "
        "from button to button and Space presses; left and right choose the level. The Menu button above "
        "the board returns to the main menu; your game is kept and can be continued later.");
    h.Image(400, y + 50, 64, 64, "dat/marker.spr", 0, true, 60);

    h.Page();
    h.Text(kLeft, kTitleY, kWidth, 34, "Level sets and the window", true);
    y = h.Text(
        kLeft, 128, kWidth, kBody,
        "The Play button of the main menu (and New game, when a game is saved) opens the level choice. It "
        "starts any level you have reached in one of three sets: the classic gardens, the busier advanced "
        "ones, and the moving levels, where you play alone and the garden slides one column to the left "
        "after each of your moves. Finishing a level opens the next one of its set.");
    h.Text(kLeft, y + kGap, kWidth, kBody,
           "Drag an edge of the window or maximise it, and the garden grows with it. Alt+Enter or F11 "
           "switches between the window and full screen.");

    out.WriteText("mui/help.xml", h.Finish());
    problems += h.Problems();
    return h.Problems().empty();
}
} // namespace NDatagen
