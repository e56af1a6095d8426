// A small reader for the tag files of help pages and hints: elements,
// attributes (quoted or bare), text, and "//" line comments.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CFileSystem;

class CMarkupNode
{
  public:
    CMarkupNode() = default;
    CMarkupNode(const CMarkupNode& other);
    CMarkupNode& operator=(const CMarkupNode& other);
    virtual ~CMarkupNode();

    // Through the file-access layer, or straight from the disk without one. A
    // missing file leaves the node empty, so callers fall back to defaults.
    void LoadMarkup(const CFileSystem* files, const std::string& fileName);
    // The node becomes the first element of the bytes; the rest is not read.
    void ParseMarkup(const char* bytes, std::size_t length);

    const std::string& GetName() const { return m_name; }
    const std::string& GetText() const { return m_text; }
    bool IsComplete() const { return m_complete; }
    std::vector<CMarkupNode*> GetChildren() const;
    CMarkupNode* FindChild(const std::string& name) const;

    std::string GetAttribute(const std::string& name, const std::string& def) const;
    // A value that does not start with a number gives the default.
    int GetIntAttribute(const std::string& name, int def) const;
    float GetFloatAttribute(const std::string& name, float def) const;

  private:
    class CScanner;

    std::string m_name;
    std::string m_text;
    std::map<std::string, std::string> m_attributes;
    std::vector<std::unique_ptr<CMarkupNode>> m_children;
    bool m_complete = false;
};
