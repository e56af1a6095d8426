// A private temporary folder for a test, removed with everything in it.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class CTempFolder
{
  public:
    CTempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "chromal-test-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~CTempFolder() { std::filesystem::remove_all(m_path); }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

    // Writes a file below the folder, creating its parent folders.
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::string path = *this / name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string Write(const std::string& name, const std::vector<unsigned char>& bytes) const
    {
        return Write(name, std::string(bytes.begin(), bytes.end()));
    }

    // What lies directly in the folder, sorted: catches stray temporary files.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::string m_path;
};

inline std::string ReadBack(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
