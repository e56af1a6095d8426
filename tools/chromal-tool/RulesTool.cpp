// Shared plumbing of the rules subcommands.
#include "RulesTool.h"

#include "storage/FileSystem.h"
#include "storage/PropertyFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>

namespace NRulesTool
{
bool ParseOptions(int argc, char** argv, const std::vector<std::string>& known,
                  std::map<std::string, std::string>& options)
{
    for (int i = 0; i < argc; ++i)
    {
        const std::string name = argv[i];
        bool isKnown = false;
        for (const std::string& k : known)
            isKnown = isKnown || k == name;
        if (!isKnown)
        {
            std::fprintf(stderr, "unknown option: %s\n", name.c_str());
            return false;
        }
        if (i + 1 >= argc)
        {
            std::fprintf(stderr, "option %s needs a value\n", name.c_str());
            return false;
        }
        if (!options.emplace(name, argv[++i]).second)
        {
            std::fprintf(stderr, "option %s given twice\n", name.c_str());
            return false;
        }
    }
    return true;
}

bool ParseInt(const std::string& text, int low, int high, int& value)
{
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < low || parsed > high)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

int Usage(const char* message, const char* usage)
{
    if (message && *message)
        std::fprintf(stderr, "%s\n", message);
    std::fprintf(stderr, "usage: %s\n", usage);
    return kUsageError;
}

bool CRulesData::Open(const std::string& folder, const std::string& setName, std::string& error)
{
    if (setName == "classic")
        m_set = {"dat/levels_classic", 20, 0, false};
    else if (setName == "advanced")
        m_set = {"dat/levels_duel", 20, 1, false};
    else if (setName == "moving")
        m_set = {"dat/levels_moving", 0, 0, true};
    else
    {
        error = "unknown level set: " + setName + " (classic, advanced or moving)";
        return false;
    }
    CFileSystem* fs = CFileSystem::Create();
    fs->SetRoot(folder);
    fs->SetPackKey(CFileSystem::kPackKey);
    fs->OpenPack("data.pk");
    if (m_set.m_moving)
    {
        CPropertyFile config;
        config.Load(*fs, "dat/game.txt");
        m_set.m_levelsCount = config.GetInt("m_levels_moving", 0);
    }
    // The sheets' shapes decide how long the animations run; without the
    // files the usual shapes are kept.
    const auto sheet = [fs](const char* name, NGame::CBoardSprite& target) {
        CPropertyFile spr;
        spr.Load(*fs, name);
        if (spr.Has("groups") || spr.Has("frames"))
        {
            const int groups = spr.GetInt("groups", 1);
            const int frames = spr.GetInt("frames", 1);
            if (groups >= target.GetGroupCount() && frames >= 1 && frames <= 1000 && groups <= 1000)
                target = NGame::CBoardSprite(groups, frames);
        }
    };
    sheet("dat/skin01.spr", m_cellSheet);
    sheet("dat/bonus.spr", m_coinSheet);
    sheet("dat/insects.spr", m_insectSheet);
    return true;
}

std::unique_ptr<NGame::CField> CRulesData::MakeField() const
{
    NGame::SFieldResources resources{&m_cellSheet, &m_coinSheet, &m_insectSheet, 0};
    auto reader = [](const std::string& name) {
        const CFileSystem* fs = CFileSystem::Get();
        return fs ? fs->ReadFile(name) : CDataBuffer();
    };
    auto field = std::make_unique<NGame::CField>(m_set.m_directory, m_set.m_levelsCount, m_set.m_advancedSet,
                                                 resources, reader);
    // The moving set refills from as many masks as the classic set has.
    field->SetRefillLevelsCount(20);
    return field;
}

bool RunUntilIdle(NGame::CField& field)
{
    // A board settles within seconds of game time; far beyond that it never will.
    for (int frame = 0; frame < 100000; ++frame)
    {
        if (field.IsIdle())
            return true;
        field.Update(16.0f);
    }
    return field.IsIdle();
}

void SeedRandom(const std::map<std::string, std::string>& options)
{
    const auto it = options.find("--seed");
    int seed = 0;
    if (it != options.end() && ParseInt(it->second, 0, 2147483647, seed))
        std::srand(static_cast<unsigned>(seed));
    else
        std::srand(static_cast<unsigned>(std::time(nullptr)));
}

bool ReadStateOption(const std::map<std::string, std::string>& options, std::string& text,
                     std::string& error)
{
    const auto inline_text = options.find("--state");
    if (inline_text != options.end())
    {
        text = inline_text->second;
        return true;
    }
    const std::string path = options.at("--state-file");
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        error = "cannot read " + path;
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    // A file written by hand usually ends with a line break.
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return true;
}
} // namespace NRulesTool
