// NInterface::CInterfaceInsect: a small animated dragon that wanders up the
// menu screens, turning at random and coming back at the bottom.
#pragma once

#include <memory>
#include <vector>

class CSprite;

namespace NInterface
{
struct SArea;

class CInterfaceInsect
{
  public:
    static constexpr int kMenuCount = 10;

    // Takes the sprite copy; it goes with the decoration.
    explicit CInterfaceInsect(CSprite* sprite);
    virtual ~CInterfaceInsect();
    CInterfaceInsect(const CInterfaceInsect&) = delete;
    CInterfaceInsect& operator=(const CInterfaceInsect&) = delete;

    // A dragon from the "menu_dragon" prototype of the interface resources,
    // placed below the screen; null without the prototype.
    static std::unique_ptr<CInterfaceInsect> CreateMenuDragon();
    static std::vector<std::unique_ptr<CInterfaceInsect>> CreateMenuDragons();
    // The owning screen's per-frame steering after MoveInsect: now and then a
    // new turn rate, and a dragon that has flown off starts again below.
    void Steer();

    void MoveInsect(float elapsed);
    // Only while the "m_show_dragons" setting is on.
    void DrawInsect() const;

    CSprite* GetSprite() const { return m_sprite.get(); }

    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_z = 0.0f;
    float m_speed = 0.0f;
    // Degrees; 0 points up the screen.
    float m_heading = 0.0f;
    // Degrees per step of 6 ms.
    float m_turn_rate = 0.0f;

  private:
    std::unique_ptr<CSprite> m_sprite;
};

// What every menu screen does with its dragons each frame and when drawing.
void UpdateMenuDragons(std::vector<std::unique_ptr<CInterfaceInsect>>& dragons, float elapsed);
void DrawMenuDragons(const std::vector<std::unique_ptr<CInterfaceInsect>>& dragons);
// The areas DrawMenuDragons would cover now (none while dragons are hidden).
void AppendDragonAreas(const std::vector<std::unique_ptr<CInterfaceInsect>>& dragons,
                       std::vector<SArea>& areas);
} // namespace NInterface
