// A bought bonus: a carrier insect flies in from the left edge to its target,
// the effect happens once on arrival, and the insect flies off to the right.
#pragma once

#include "rules/Field.h"
#include "rules/Insect.h"

#include <memory>
#include <vector>

namespace NGame
{
class CBonus
{
  public:
    explicit CBonus(CField& field);
    virtual ~CBonus();
    CBonus(const CBonus&) = delete;
    CBonus& operator=(const CBonus&) = delete;

    // True once the carrier has left the screen; the owner then deletes it.
    virtual bool Update(float elapsedMs);

    const CInsect& GetInsect() const { return *m_insect; }
    // Whether the effect found something to act on; a finished bonus that did
    // not has been paid for nothing, and its price goes back.
    bool HasActed() const { return m_acted; }

    // The opponent's territory beyond its home: what backward and opponent
    // randomize act on (empty when the home stands alone).
    static std::vector<SCellPos> OpponentCellsBeyondHome(const CField& field);

  protected:
    // How long a carrier stays at its target before it leaves: the repaints'
    // a while longer, so that the flowers are seen to change under it.
    static constexpr float kLeaveDelayMs = 100.0f;
    static constexpr float kRepaintLeaveDelayMs = 600.0f;
    // Where carriers fly off to, past the right edge.
    static constexpr float kLeaveX = 850.0f;

    // The common course of every bonus: advance the carrier; at the target
    // send it off after `leaveDelayMs`, ask for the bonus sound and Arrive().
    bool Carry(float elapsedMs, float leaveDelayMs);
    // The effect, performed once when the carrier reaches its target, on the
    // board as it is then: targets and colours are decided here, never at
    // purchase, since other bonuses may have changed the board since. False
    // when there was nothing left to act on.
    virtual bool Arrive() { return true; }
    void FlyTo(int row, int column);

    // Free cells: neither holes nor in either territory, row-major; with
    // `exceptColour` >= 0 that colour is left out too.
    static std::vector<SCellPos> FreeCells(const CField& field, int exceptColour);
    // The map with the home's territory marked `mark` (holes stay -3).
    static CColourMap MarkTerritory(const CField& field, int row, int column, int mark);
    // Row-major cells holding `mark` in `map`.
    static std::vector<SCellPos> Marked(const CField& field, const CColourMap& map, int mark);
    // The two repaint bonuses aim at a free flower of another colour than the
    // human's home (one random draw over the row-major candidates). Without a
    // candidate (sold without the check) the carrier only visits the home.
    void AimAtFreeFlower(SCellPos& target);
    // On arrival: `target` if it is still a free flower of another colour
    // than the human's home, else the candidate nearest to the carrier; false
    // when none is left. `colour` is the human home's colour now.
    bool ChooseFreeFlower(SCellPos& target, int& colour) const;
    // The purchase check of the repaint bonuses; a hole at the human's home
    // has no colour to give.
    static bool HasFreeFlowerToRepaint(const CField& field);
    float DistanceFrom(int row, int column, float x, float y) const;
    // Every cell of `cells` takes a random colour (coins stay), flipping in a
    // wave that starts at (x, y).
    void RandomizeCells(const std::vector<SCellPos>& cells, float x, float y);

    CField& m_field;
    std::unique_ptr<CInsect> m_insect;
    bool m_arrived = false;
    bool m_acted = false;
    int m_mid;
    int m_last;
};
} // namespace NGame
