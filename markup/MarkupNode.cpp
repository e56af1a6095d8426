// The markup scanner: one recursive pass, no error reporting; every read is
// bounded by the buffer's length.
#include "markup/MarkupNode.h"

#include "storage/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace
{
// Deeper nesting than any real file has; beyond it the rest of the input is
// dropped so hostile files cannot exhaust the stack.
constexpr int kMaxDepth = 200;

bool IsSpace(char c)
{
    return c == 9 || c == 10 || c == 11 || c == 13 || c == 32;
}
} // namespace

class CMarkupNode::CScanner
{
  public:
    CScanner(const char* bytes, std::size_t length) : m_bytes(bytes), m_length(length) {}

    std::size_t ParseElement(CMarkupNode& node, std::size_t pos, int depth) const
    {
        if (depth > kMaxDepth)
            return m_length;
        while (pos < m_length)
        {
            if (At(pos) == '<' && At(pos + 1) != '/')
            {
                bool closed = false;
                pos = ParseOpening(node, pos, depth, closed);
                if (closed)
                    return pos;
            }
            else if (At(pos) == '<')
            {
                // A closing tag where an element was expected: the parent's end.
                while (pos < m_length && At(pos) != '>')
                    ++pos;
                node.m_complete = false;
                return SkipSpace(pos + 1);
            }
            else
                ++pos;
        }
        return pos;
    }

  private:
    char At(std::size_t pos) const { return pos < m_length ? m_bytes[pos] : '\0'; }
    bool CommentAt(std::size_t pos) const { return At(pos) == '/' && At(pos + 1) == '/'; }

    std::size_t SkipSpace(std::size_t pos) const
    {
        while (pos < m_length && IsSpace(m_bytes[pos]))
            ++pos;
        return std::min(pos, m_length);
    }

    std::size_t SkipToLineEnd(std::size_t pos) const
    {
        while (pos < m_length && m_bytes[pos] != '\n')
            ++pos;
        return pos;
    }

    // Returns the position after any comments, or `pos` itself when there are
    // none (the white space before is then left for the caller).
    std::size_t SkipComments(std::size_t pos) const
    {
        std::size_t p = SkipSpace(pos);
        bool skipped = false;
        while (CommentAt(p))
        {
            p = SkipSpace(std::min(SkipToLineEnd(p) + 1, m_length));
            skipped = true;
        }
        return skipped ? p : pos;
    }

    std::size_t SkipSpaceAndComments(std::size_t pos) const { return SkipComments(SkipSpace(pos)); }

    // Characters up to the first stop character; comments inside are skipped.
    template <typename Stop> std::size_t ReadToken(std::size_t pos, std::string& out, Stop stop) const
    {
        while (pos < m_length && !stop(m_bytes[pos]))
        {
            if (CommentAt(pos))
            {
                pos = std::min(SkipToLineEnd(pos) + 1, m_length);
                continue;
            }
            out += m_bytes[pos++];
        }
        return pos;
    }

    std::size_t ReadQuoted(std::size_t pos, std::string& out) const
    {
        ++pos; // the opening quote
        while (pos < m_length && m_bytes[pos] != '"')
        {
            if (m_bytes[pos] == '\\' && (At(pos + 1) == '"' || At(pos + 1) == '\\'))
                ++pos;
            out += m_bytes[pos++];
        }
        return std::min(pos + 1, m_length);
    }

    std::size_t ReadAttributes(CMarkupNode& node, std::size_t pos) const
    {
        while (pos < m_length && m_bytes[pos] != '>')
        {
            std::string name;
            pos = ReadToken(pos, name, [](char c) { return c == '=' || IsSpace(c); });
            pos = SkipSpaceAndComments(pos);
            pos = SkipSpace(std::min(pos + 1, m_length)); // over the '='
            std::string value;
            if (At(pos) == '"')
                pos = ReadQuoted(pos, value);
            else
                while (pos < m_length && m_bytes[pos] != ' ' && m_bytes[pos] != '>' && m_bytes[pos] != '\n' &&
                       m_bytes[pos] != '\v')
                    value += m_bytes[pos++];
            node.m_attributes[name] = value;
            pos = SkipSpaceAndComments(pos);
        }
        return pos;
    }

    std::size_t ParseOpening(CMarkupNode& node, std::size_t pos, int depth, bool& closed) const
    {
        closed = false;
        pos = SkipSpaceAndComments(pos + 1);
        node.m_name.clear();
        pos = ReadToken(pos, node.m_name, [](char c) { return c == '>' || IsSpace(c); });
        pos = SkipSpaceAndComments(pos);
        if (At(pos) != '>')
            pos = ReadAttributes(node, pos);
        if (At(pos) != '>')
            return std::min(pos + 1, m_length); // malformed: scan on

        ++pos;
        const std::size_t next = SkipSpaceAndComments(pos);
        if (next < m_length && m_bytes[next] != '<')
        {
            // Text keeps its leading white space but not a leading comment.
            pos = SkipComments(pos);
            while (pos < m_length && m_bytes[pos] != '<')
            {
                if (CommentAt(pos))
                {
                    pos = SkipToLineEnd(pos);
                    continue;
                }
                node.m_text += m_bytes[pos++];
            }
        }
        else
            pos = next;

        if (At(pos) == '<' && At(pos + 1) == '/')
        {
            pos = SkipSpaceAndComments(pos + 1);
            pos = std::min(pos + 1, m_length); // the '/'
            std::string closing;
            while (pos < m_length && m_bytes[pos] != ' ' && m_bytes[pos] != '>' && m_bytes[pos] != '\n' &&
                   m_bytes[pos] != '\v')
                closing += m_bytes[pos++];
            node.m_complete = true;
            closed = true;
            return SkipSpace(std::min(pos + 1, m_length));
        }

        node.m_complete = true;
        closed = true;
        while (pos < m_length)
        {
            pos = SkipSpace(pos);
            if (pos >= m_length)
                break;
            auto child = std::make_unique<CMarkupNode>();
            pos = ParseElement(*child, pos, depth + 1);
            if (!child->m_complete)
                break; // it met this element's closing tag
            node.m_children.push_back(std::move(child));
        }
        return pos;
    }

    const char* m_bytes;
    std::size_t m_length;
};

CMarkupNode::CMarkupNode(const CMarkupNode& other)
    : m_name(other.m_name), m_text(other.m_text), m_attributes(other.m_attributes),
      m_complete(other.m_complete)
{
    for (const auto& child : other.m_children)
        m_children.push_back(std::make_unique<CMarkupNode>(*child));
}

CMarkupNode& CMarkupNode::operator=(const CMarkupNode& other)
{
    if (this != &other)
    {
        CMarkupNode copy(other);
        m_name = std::move(copy.m_name);
        m_text = std::move(copy.m_text);
        m_attributes = std::move(copy.m_attributes);
        m_children = std::move(copy.m_children);
        m_complete = copy.m_complete;
    }
    return *this;
}

CMarkupNode::~CMarkupNode() = default;

void CMarkupNode::LoadMarkup(const CFileSystem* files, const std::string& fileName)
{
    m_children.clear();
    m_attributes.clear();
    m_name.clear();
    m_text.clear();
    m_complete = false;
    if (files)
    {
        const CDataBuffer bytes = files->ReadFile(fileName);
        ParseMarkup(bytes.Chars(), bytes.Size());
        return;
    }
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ParseMarkup(bytes.data(), bytes.size());
}

void CMarkupNode::ParseMarkup(const char* bytes, std::size_t length)
{
    if (bytes == nullptr)
        return;
    CScanner(bytes, length).ParseElement(*this, 0, 0);
}

std::vector<CMarkupNode*> CMarkupNode::GetChildren() const
{
    std::vector<CMarkupNode*> children;
    for (const auto& child : m_children)
        children.push_back(child.get());
    return children;
}

CMarkupNode* CMarkupNode::FindChild(const std::string& name) const
{
    for (const auto& child : m_children)
        if (child->m_name == name)
            return child.get();
    return nullptr;
}

std::string CMarkupNode::GetAttribute(const std::string& name, const std::string& def) const
{
    auto it = m_attributes.find(name);
    return it == m_attributes.end() ? def : it->second;
}

int CMarkupNode::GetIntAttribute(const std::string& name, int def) const
{
    auto it = m_attributes.find(name);
    if (it == m_attributes.end() || it->second.empty())
        return def;
    const char* start = it->second.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(start, &end, 10);
    if (end == start)
        return def;
    // Out-of-range numbers saturate instead of wrapping.
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

float CMarkupNode::GetFloatAttribute(const std::string& name, float def) const
{
    auto it = m_attributes.find(name);
    if (it == m_attributes.end() || it->second.empty())
        return def;
    const char* start = it->second.c_str();
    char* end = nullptr;
    const float value = std::strtof(start, &end);
    return end == start ? def : value;
}
