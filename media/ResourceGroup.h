// Named sets of textures and sprite prototypes, and the process-wide registry
// of groups ("main" for the menus, "game" for a running game).
#pragma once

#include <memory>
#include <string>
#include <vector>

class CFileSystem;
class CSprite;
class CTexture;

class CResourceGroup
{
  public:
    explicit CResourceGroup(const CFileSystem& files);
    CResourceGroup(const CResourceGroup&) = delete;
    CResourceGroup& operator=(const CResourceGroup&) = delete;
    virtual ~CResourceGroup();

    // Never null, even when nothing could be decoded. Names need not be unique;
    // lookups find the first entry of a name.
    CTexture* AddTexture(const std::string& fileName, const std::string& name, bool wrap, bool mipmaps);
    // A colour JPEG with a grey JPEG for its alpha, filed like AddTexture.
    CTexture* AddTextureWithAlpha(const std::string& fileName, const std::string& alphaFile,
                                  const std::string& name, bool wrap, bool mipmaps);
    CTexture* GetTexture(const std::string& name) const;
    // Filed like AddTexture, but decoded only when Require asks for it, and
    // of these a group keeps one at a time: a screen's 1024 by 1024 backdrop
    // takes 4 MB wherever the driver keeps textures.
    // One that stays is not released for another (the menu's own backdrop
    // under the screens it opens), only by ReleaseOnDemand.
    CTexture* AddTextureOnDemand(const std::string& fileName, const std::string& name, bool wrap,
                                 bool mipmaps, bool stays = false);
    // Loads an on-demand texture of this group that is not loaded, releasing
    // the group's other on-demand texture first (unless it stays); any other
    // texture is left alone.
    void Require(const CTexture* texture);
    // Releases every on-demand texture that is loaded (no screen of the group
    // shows one for a while).
    void ReleaseOnDemand();
    // False for an on-demand texture of this group that is not loaded.
    bool IsLoaded(const CTexture* texture) const;

    CSprite* AddSprite(const std::string& fileName, const std::string& name);
    CSprite* GetSprite(const std::string& name) const;
    // Destroys the sprite if it belongs to this group.
    void RemoveSprite(CSprite* sprite);

    // GL objects go before the context does and come back once it exists; the
    // CTexture and CSprite objects themselves stay, so pointers held elsewhere
    // remain valid.
    void ReleaseTextures();
    void ReloadTextures();

    const CFileSystem& Files() const { return *m_files; }
    std::size_t TextureCount() const { return m_textures.size(); }
    std::size_t SpriteCount() const { return m_sprites.size(); }

  private:
    struct STextureEntry
    {
        std::unique_ptr<CTexture> m_texture;
        std::string m_name;
        std::string m_file_name;
        std::string m_alpha_file; // empty for a single picture
        bool m_wrap = false;
        bool m_mipmaps = false;
        bool m_on_demand = false;
        bool m_stays = false;  // on-demand ones only
        bool m_loaded = false; // on-demand ones only
    };
    STextureEntry& NewTexture(const std::string& fileName, const std::string& alphaFile,
                              const std::string& name, bool wrap, bool mipmaps);
    struct SSpriteEntry
    {
        std::unique_ptr<CSprite> m_sprite;
        std::string m_name;
        std::string m_file_name;
    };

    const CFileSystem* m_files;
    std::vector<STextureEntry> m_textures;
    std::vector<SSpriteEntry> m_sprites;
};

// A group of an existing name is destroyed with all its resources first.
CResourceGroup* CreateGroup(const std::string& name, const CFileSystem& files);
CResourceGroup* FindGroup(const std::string& name);
void DeleteGroup(const std::string& name);
// Every group: release all GL textures / reload all of them in place.
void ReleaseAll();
void ReloadAll();
