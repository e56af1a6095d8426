// The markup reader on arbitrary bytes, with its getters and a deep copy.
#include "markup/MarkupNode.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // An exact-size copy, so reading one byte past the end is caught.
    std::vector<char> bytes(data, data + size);
    CMarkupNode node;
    node.ParseMarkup(bytes.data(), bytes.size());
    for (const CMarkupNode* child : node.GetChildren())
    {
        child->GetIntAttribute("x", 0);
        child->GetFloatAttribute("y", 0.0f);
    }
    CMarkupNode copy(node);
    return 0;
}
