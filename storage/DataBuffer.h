// A whole file's bytes, shared between copies and freed with the last one.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class CDataBuffer
{
  public:
    CDataBuffer() = default;
    explicit CDataBuffer(std::vector<unsigned char> bytes)
        : m_bytes(std::make_shared<const std::vector<unsigned char>>(std::move(bytes)))
    {
    }

    const unsigned char* Data() const { return m_bytes ? m_bytes->data() : nullptr; }
    const char* Chars() const { return reinterpret_cast<const char*>(Data()); }
    std::uint32_t Size() const { return m_bytes ? static_cast<std::uint32_t>(m_bytes->size()) : 0; }
    bool Empty() const { return Size() == 0; }
    // The bytes themselves, for code that knows nothing of files.
    const std::shared_ptr<const std::vector<unsigned char>>& Shared() const { return m_bytes; }

  private:
    std::shared_ptr<const std::vector<unsigned char>> m_bytes;
};
