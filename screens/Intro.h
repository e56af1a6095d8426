// NInterface::CIntro: the splash picture that stands while start-up loads;
// its Activate also sets the GL state the whole run relies on.
#pragma once

#include "framework/Screen.h"
#include "media/Texture.h"

namespace NInterface
{
class CIntro : public CScreen
{
  public:
    CIntro();
    ~CIntro() override;

    void Activate() override;
    void Draw() override;

    const CTexture& GetTexture() const { return m_texture; }

  private:
    CTexture m_texture;
};
} // namespace NInterface
