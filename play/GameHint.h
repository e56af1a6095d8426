// A picture hint over the game screen: fades in, stays until a press outside
// its "show hints" box, and fades out; a click on the box sets the hints
// option at once.
#pragma once

#include "widgets/SimpleCheckBox.h"

#include <cstdint>
#include <memory>
#include <optional>

class CGameResources;
class CScreen;
class CSprite;

namespace NPlaces
{
class CPlaces;
}

namespace NGame
{
struct SHintRecord;

class CGameHint
{
  public:
    // `record` must lie inside the resources' hint table; the first hint's
    // animations stand at the game screen's `places`.
    CGameHint(std::uint32_t record, CScreen* owner, CGameResources& resources,
              const NPlaces::CPlaces& places);
    ~CGameHint();
    CGameHint(const CGameHint&) = delete;
    CGameHint& operator=(const CGameHint&) = delete;

    // True once the hint has faded out completely.
    bool Update(float elapsedMs);
    void Draw();
    void OnMouseMove(int x, int y);
    void OnLButtonDown(int x, int y);
    void OnLButtonUp(int x, int y);
    // Fades the hint out, as a click beside its check box does.
    void Close();
    // Moves the picture (and its box with it); the record keeps the place for
    // the rest of the run.
    void MoveTo(float x, float y);

    std::uint32_t GetRecord() const { return m_record; }
    float GetAlpha() const { return m_alpha; }

  private:
    std::uint32_t m_record;
    SHintRecord* m_data;
    std::unique_ptr<CSimpleCheckBox> m_check_box;
    float m_alpha = 0.0f;
    float m_speed = 0.1f;
    // The first hint's animations, copies of the prototypes.
    std::unique_ptr<CSprite> m_gameplay;
    std::unique_ptr<CSprite> m_half;
    std::unique_ptr<CSprite> m_skin;
    std::unique_ptr<CSprite> m_coin;
};
} // namespace NGame
