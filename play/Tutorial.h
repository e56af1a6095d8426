// The in-game hints: the tutorial's groups, opened in their order as the
// human's turns begin, the moving set's own hints instead of them, the
// wrong-colour hint, and the open hints' input and drawing.
#pragma once

#include <memory>
#include <vector>

class CGameResources;
class CScreen;

namespace NPlaces
{
class CPlaces;
}

namespace NGame
{
class CField;
class CGameHint;

class CTutorial
{
  public:
    // The hints' check boxes belong to `owner`; the first hint's animations
    // stand at `places`, which must outlive the tutorial.
    CTutorial(CScreen* owner, CGameResources& resources, const NPlaces::CPlaces& places, bool moving);
    ~CTutorial();
    CTutorial(const CTutorial&) = delete;
    CTutorial& operator=(const CTutorial&) = delete;

    // Fades the open hints; with the hints option off they all go at once.
    void Update(float elapsed);
    void Draw();
    void OnMouseMove(int x, int y);
    void OnLButtonDown(int x, int y);
    void OnLButtonUp(int x, int y);
    // As a click beside their check boxes, for a player without a mouse.
    void CloseAll();

    // The human's turn began on `field`: the tutorial's next group opens once
    // the last one has closed.
    void OnTurn(const CField& field);
    // The human picked a colour it may not take: its hint, twice at most.
    void OnWrongPick();

    bool IsOpen() const { return !m_hints.empty(); }
    const std::vector<std::unique_ptr<CGameHint>>& GetHints() const { return m_hints; }
    int GetProgress() const { return m_progress; }
    void SetProgress(int progress) { m_progress = progress; }
    int GetWrongPickHints() const { return m_wrong_pick_hints; }
    void SetWrongPickHints(int count) { m_wrong_pick_hints = count; }
    // Opens hint `record`; numbers outside the table open nothing.
    CGameHint* OpenHint(int record);

  private:
    void OpenNextGroup(const CField& field);

    CScreen* m_owner;
    CGameResources& m_resources;
    const NPlaces::CPlaces& m_places;
    bool m_moving;
    std::vector<std::unique_ptr<CGameHint>> m_hints;
    int m_progress = 0;
    int m_wrong_pick_hints = 0;
};
} // namespace NGame
