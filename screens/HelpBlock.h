// NInterface::CHelpBlock: one block of a help page, a word-wrapped text or
// an animated picture placed at a given position.
#pragma once

#include <memory>
#include <string>

class CMarkupNode;
class CScrollingText;
class CSprite;

namespace NInterface
{
class CHelpBlock
{
  public:
    CHelpBlock(const CMarkupNode& block, int page);
    virtual ~CHelpBlock();
    CHelpBlock(const CHelpBlock&) = delete;
    CHelpBlock& operator=(const CHelpBlock&) = delete;

    void Draw() const;
    void Update(float elapsed);

    int GetPage() const { return m_page; }
    CSprite* GetSprite() const { return m_sprite; }
    const CScrollingText* GetText() const { return m_scrolling.get(); }

  private:
    int m_page;
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_z = 0.0f;
    float m_width = 0.0f;
    float m_height = 0.0f;
    std::string m_text;
    // Filed in resource group "main"; the block removes it when it goes.
    CSprite* m_sprite = nullptr;
    bool m_animated = false;
    std::unique_ptr<CScrollingText> m_scrolling;
    float m_font_size = 0.0f;
    float m_r = 0.0f;
    float m_g = 0.0f;
    float m_b = 0.0f;
    float m_a = 0.0f;
};
} // namespace NInterface
