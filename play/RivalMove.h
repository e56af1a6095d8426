// What the rival's last move did, for the player to see: the flowers it took
// glow for about a second, and the flower it chose stands on the rival's
// plate until the player moves again.
#pragma once

#include "rules/Field.h"
#include "rules/Match.h"

#include <vector>

namespace NGame
{
class CBoardPainter;

class CRivalMove
{
  public:
    static constexpr float kGlowMs = 1000.0f;

    // Around the match's frame: BeforeFrame notes the rival's zone when it is
    // about to move, and forgets the chosen flower once the player moves (the
    // whole move once a level opens or ends); AfterFrame finds what a move
    // took. `elapsed` ms run the glow, which fades once the board rests.
    void BeforeFrame(const CMatch& match);
    void AfterFrame(const CMatch& match, float elapsed);

    // The colour the rival chose, -1 when none is shown.
    int GetChosenColour() const { return m_chosen; }
    // The glow's strength now, 0 to 1.
    float GetGlow() const;
    // The taken flowers, lit up additively by the glow.
    void Draw(const CField& field, const CBoardPainter& painter) const;

  private:
    void Forget();

    CColourMap m_before; // the rival's zone marked, empty when not its turn
    std::vector<SCellPos> m_taken;
    float m_glow_ms = kGlowMs;
    bool m_resting = false; // the board has rested since the move
    int m_chosen = -1;
};
} // namespace NGame
