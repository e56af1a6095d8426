// The background writer's worker: takes the newest bytes of one file at a
// time and writes them with the atomic write.
#include "storage/BackgroundWriter.h"

#include "storage/AtomicFile.h"

CBackgroundWriter::~CBackgroundWriter()
{
    Flush();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

void CBackgroundWriter::Submit(const std::string& path, std::string bytes)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pending[path] = std::move(bytes);
        // Started with the first write: a run that saves nothing has no thread.
        if (!m_worker.joinable())
            m_worker = std::thread(&CBackgroundWriter::Run, this);
    }
    m_wake.notify_one();
}

void CBackgroundWriter::Flush()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_idle.wait(lock, [this] { return m_pending.empty() && !m_writing; });
}

void CBackgroundWriter::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;)
    {
        m_wake.wait(lock, [this] { return m_stopping || !m_pending.empty(); });
        if (m_pending.empty())
            return;
        auto next = m_pending.begin();
        const std::string path = next->first;
        const std::string bytes = std::move(next->second);
        m_pending.erase(next);
        m_writing = true;
        lock.unlock();
        WriteFileAtomically(path, bytes);
        lock.lock();
        m_writing = false;
        if (m_pending.empty())
            m_idle.notify_all();
    }
}
