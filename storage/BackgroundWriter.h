// Whole-file writes off the calling thread, so that saving while a game runs
// never stalls a frame on a slow disk.
#pragma once

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>

// One worker writes the submitted files atomically (storage/AtomicFile.h),
// one at a time and in no particular order between files. A file submitted
// again before its write began is written once, with the newest bytes; one
// submitted while it is being written is written again afterwards. Nothing
// submitted is lost: Flush and the destructor wait until all is on the disk.
// A write that fails leaves the file as it was, as the atomic write does.
class CBackgroundWriter
{
  public:
    CBackgroundWriter() = default;
    ~CBackgroundWriter();
    CBackgroundWriter(const CBackgroundWriter&) = delete;
    CBackgroundWriter& operator=(const CBackgroundWriter&) = delete;

    void Submit(const std::string& path, std::string bytes);
    // Returns once every file submitted so far is written (or has failed).
    void Flush();

  private:
    void Run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::map<std::string, std::string> m_pending;
    bool m_writing = false;
    bool m_stopping = false;
    std::thread m_worker;
};
