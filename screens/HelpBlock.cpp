// Help blocks: read from the help markup, drawn and animated by the help screen.
#include "screens/HelpBlock.h"

#include "markup/MarkupNode.h"
#include "media/InterfaceResources.h"
#include "media/ResourceGroup.h"
#include "media/Sprite.h"
#include "play/GameResources.h"
#include "rules/BonusTable.h"
#include "widgets/ScrollingText.h"

#include <algorithm>
#include <cmath>

namespace NInterface
{
CHelpBlock::CHelpBlock(const CMarkupNode& block, int page) : m_page(page)
{
    if (const CMarkupNode* pos = block.FindChild("pos"))
    {
        m_x = pos->GetFloatAttribute("x", 0.0f);
        m_y = pos->GetFloatAttribute("y", 0.0f);
        m_z = pos->GetFloatAttribute("z", 0.0f);
    }
    if (const CMarkupNode* colour = block.FindChild("font_color"))
    {
        m_r = colour->GetFloatAttribute("r", 0.0f);
        m_g = colour->GetFloatAttribute("g", 0.0f);
        m_b = colour->GetFloatAttribute("b", 0.0f);
        m_a = colour->GetFloatAttribute("a", 0.0f);
    }
    m_font_size = block.GetFloatAttribute("font_size", 0.0f);
    m_width = block.GetFloatAttribute("width", 0.0f);
    m_height = block.GetFloatAttribute("height", 0.0f);

    if (const CMarkupNode* text = block.FindChild("text"))
    {
        // The prices are the configuration's, whatever the help was written with.
        const CGameResources* game = FindGameResources();
        m_text = NGame::FillPrices(text->GetText(), [game](int kind)
                                   { return game ? game->GetPrice(kind) : NGame::DefaultBonusPrice(kind); });
        const CInterfaceResources* resources = CInterfaceResources::Get();
        // A hostile line count must not overflow the conversion to an integer.
        const float lines = std::isfinite(m_height) ? std::clamp(m_height, 0.0f, 10000.0f) : 0.0f;
        m_scrolling = std::make_unique<CScrollingText>(resources ? &resources->m_font : nullptr, m_width,
                                                       m_font_size, static_cast<int>(lines));
        m_scrolling->SetText(m_text.data(), static_cast<int>(m_text.size()));
    }

    const CMarkupNode* image = block.FindChild("image");
    CResourceGroup* group = FindGroup("main");
    if (image && group)
    {
        m_animated = image->GetIntAttribute("animated", 0) != 0;
        std::string name = image->GetAttribute("name", "");
        if (name.empty())
            name = image->GetText() + std::to_string(page);
        // The entry just added, not the first of that name: two blocks filed
        // under one name would otherwise share (and both remove) one sprite.
        m_sprite = group->AddSprite(image->GetText(), name);
        m_sprite->SetPosition(m_x, m_y, m_z);
        m_sprite->SetFrameTime(
            static_cast<std::uint32_t>(std::max(0, image->GetIntAttribute("frame_time", 60))));
        m_sprite->SetGroup(image->GetIntAttribute("group", 0));
        m_sprite->SetBlend(true);
        m_sprite->SetFlip(true);
        m_sprite->SetCellSize(m_width, m_height);
    }
}

CHelpBlock::~CHelpBlock()
{
    if (m_sprite)
        if (CResourceGroup* group = FindGroup("main"))
            group->RemoveSprite(m_sprite);
}

void CHelpBlock::Draw() const
{
    if (m_sprite)
        m_sprite->Draw(true);
    if (m_scrolling)
        m_scrolling->DrawLines(m_x, m_y, m_r, m_g, m_b, m_a);
}

void CHelpBlock::Update(float elapsed)
{
    if (m_sprite && m_animated)
        m_sprite->Update(static_cast<float>(static_cast<int>(elapsed)));
}
} // namespace NInterface
