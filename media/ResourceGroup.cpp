// Resource groups and their registry.
#include "media/ResourceGroup.h"

#include "media/Sprite.h"
#include "media/Texture.h"

#include <algorithm>
#include <map>

namespace
{
std::map<std::string, std::unique_ptr<CResourceGroup>>& Registry()
{
    static std::map<std::string, std::unique_ptr<CResourceGroup>> groups;
    return groups;
}
} // namespace

CResourceGroup::CResourceGroup(const CFileSystem& files) : m_files(&files) {}

CResourceGroup::~CResourceGroup() = default;

CResourceGroup::STextureEntry& CResourceGroup::NewTexture(const std::string& fileName,
                                                          const std::string& alphaFile,
                                                          const std::string& name, bool wrap, bool mipmaps)
{
    STextureEntry entry;
    entry.m_texture = std::make_unique<CTexture>();
    entry.m_name = name;
    entry.m_file_name = fileName;
    entry.m_alpha_file = alphaFile;
    entry.m_wrap = wrap;
    entry.m_mipmaps = mipmaps;
    m_textures.push_back(std::move(entry));
    return m_textures.back();
}

CTexture* CResourceGroup::AddTexture(const std::string& fileName, const std::string& name, bool wrap,
                                     bool mipmaps)
{
    CTexture* texture = NewTexture(fileName, std::string(), name, wrap, mipmaps).m_texture.get();
    texture->LoadFromSource(*m_files, fileName, wrap, mipmaps);
    return texture;
}

CTexture* CResourceGroup::AddTextureWithAlpha(const std::string& fileName, const std::string& alphaFile,
                                              const std::string& name, bool wrap, bool mipmaps)
{
    CTexture* texture = NewTexture(fileName, alphaFile, name, wrap, mipmaps).m_texture.get();
    texture->LoadWithAlpha(*m_files, fileName, alphaFile, wrap, mipmaps);
    return texture;
}

CTexture* CResourceGroup::AddTextureOnDemand(const std::string& fileName, const std::string& name, bool wrap,
                                             bool mipmaps, bool stays)
{
    STextureEntry& entry = NewTexture(fileName, std::string(), name, wrap, mipmaps);
    entry.m_on_demand = true;
    entry.m_stays = stays;
    return entry.m_texture.get();
}

void CResourceGroup::Require(const CTexture* texture)
{
    auto it =
        std::find_if(m_textures.begin(), m_textures.end(),
                     [texture](const STextureEntry& entry) { return entry.m_texture.get() == texture; });
    if (it == m_textures.end() || !it->m_on_demand || it->m_loaded)
        return;
    for (STextureEntry& entry : m_textures)
        if (entry.m_on_demand && entry.m_loaded && !entry.m_stays)
        {
            entry.m_texture->Release();
            entry.m_loaded = false;
        }
    it->m_texture->LoadFromSource(*m_files, it->m_file_name, it->m_wrap, it->m_mipmaps);
    it->m_loaded = true;
}

void CResourceGroup::ReleaseOnDemand()
{
    for (STextureEntry& entry : m_textures)
        if (entry.m_on_demand && entry.m_loaded)
        {
            entry.m_texture->Release();
            entry.m_loaded = false;
        }
}

bool CResourceGroup::IsLoaded(const CTexture* texture) const
{
    for (const STextureEntry& entry : m_textures)
        if (entry.m_texture.get() == texture)
            return !entry.m_on_demand || entry.m_loaded;
    return true;
}

CTexture* CResourceGroup::GetTexture(const std::string& name) const
{
    for (const STextureEntry& entry : m_textures)
        if (entry.m_name == name)
            return entry.m_texture.get();
    return nullptr;
}

CSprite* CResourceGroup::AddSprite(const std::string& fileName, const std::string& name)
{
    SSpriteEntry entry;
    entry.m_sprite = std::make_unique<CSprite>();
    entry.m_name = name;
    entry.m_file_name = fileName;
    entry.m_sprite->LoadSpriteFile(*m_files, fileName);
    m_sprites.push_back(std::move(entry));
    return m_sprites.back().m_sprite.get();
}

CSprite* CResourceGroup::GetSprite(const std::string& name) const
{
    for (const SSpriteEntry& entry : m_sprites)
        if (entry.m_name == name)
            return entry.m_sprite.get();
    return nullptr;
}

void CResourceGroup::RemoveSprite(CSprite* sprite)
{
    auto it = std::find_if(m_sprites.begin(), m_sprites.end(),
                           [sprite](const SSpriteEntry& entry) { return entry.m_sprite.get() == sprite; });
    if (it != m_sprites.end())
        m_sprites.erase(it);
}

void CResourceGroup::ReleaseTextures()
{
    for (STextureEntry& entry : m_textures)
    {
        entry.m_texture->Release();
        entry.m_loaded = false;
    }
    for (SSpriteEntry& entry : m_sprites)
        entry.m_sprite->ReleaseTexture();
}

void CResourceGroup::ReloadTextures()
{
    for (STextureEntry& entry : m_textures)
    {
        if (entry.m_on_demand)
            continue; // loaded again when next asked for
        if (entry.m_alpha_file.empty())
            entry.m_texture->LoadFromSource(*m_files, entry.m_file_name, entry.m_wrap, entry.m_mipmaps);
        else
            entry.m_texture->LoadWithAlpha(*m_files, entry.m_file_name, entry.m_alpha_file, entry.m_wrap,
                                           entry.m_mipmaps);
    }
    for (SSpriteEntry& entry : m_sprites)
        entry.m_sprite->LoadSpriteFile(*m_files, entry.m_file_name);
}

CResourceGroup* CreateGroup(const std::string& name, const CFileSystem& files)
{
    auto& groups = Registry();
    // The old group goes first, so its textures are gone before new ones load.
    groups.erase(name);
    auto& slot = groups[name];
    slot = std::make_unique<CResourceGroup>(files);
    return slot.get();
}

CResourceGroup* FindGroup(const std::string& name)
{
    auto& groups = Registry();
    auto it = groups.find(name);
    return it == groups.end() ? nullptr : it->second.get();
}

void DeleteGroup(const std::string& name)
{
    Registry().erase(name);
}

void ReleaseAll()
{
    for (auto& group : Registry())
        group.second->ReleaseTextures();
}

void ReloadAll()
{
    for (auto& group : Registry())
        group.second->ReloadTextures();
}
