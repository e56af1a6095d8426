// Help pages built from arbitrary markup: every block of every page, with
// its wrapped text and its picture filed in (and removed from) group "main".
#include "markup/MarkupNode.h"
#include "media/ResourceGroup.h"
#include "screens/HelpBlock.h"
#include "storage/FileSystem.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CResourceGroup* group = []
    {
        CFileSystem* files = CFileSystem::Create();
        files->SetRoot("/nonexistent-chromal-data");
        return CreateGroup("main", *files);
    }();
    std::vector<char> bytes(data, data + size);
    CMarkupNode root;
    root.ParseMarkup(bytes.data(), bytes.size());
    std::vector<std::unique_ptr<NInterface::CHelpBlock>> blocks;
    int page = 0;
    for (const CMarkupNode* p : root.GetChildren())
    {
        ++page;
        for (const CMarkupNode* b : p->GetChildren())
            blocks.push_back(std::make_unique<NInterface::CHelpBlock>(*b, page));
    }
    for (const auto& block : blocks)
    {
        block->Update(16.0f);
        block->Draw();
    }
    blocks.clear();
    // Every block takes its picture out of the group again.
    if (group->SpriteCount() != 0)
        std::abort();
    return 0;
}
