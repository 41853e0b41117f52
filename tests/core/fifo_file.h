#pragma once
// A fifo (named pipe) in the place of a file, with no one writing to it, for tests of readers that
// must refuse it: a reader that opens it anyway waits for a writer for ever. ReadAside runs the reader
// on another thread and, should it still wait after a while, lets a writer come and go: the stuck
// reader then sees the end of the file, and the test fails on what it read instead of hanging.
#include <chrono>
#include <future>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class FifoFile {
public:
    explicit FifoFile(std::string path)
        : m_path(std::move(path)), m_made(::mkfifo(m_path.c_str(), 0600) == 0) {}
    ~FifoFile() { ::unlink(m_path.c_str()); }
    FifoFile(const FifoFile&) = delete;
    FifoFile& operator=(const FifoFile&) = delete;

    bool made() const { return m_made; }
    const std::string& path() const { return m_path; }
    // True when a reader had to be let go.
    bool readerWaited() const { return m_readerWaited; }

    // What `reader()` returns, run aside. A reader that calculates closes the ephemeris library before
    // it returns (CloseEphemeris): the library keeps its files and tables for each thread.
    template <class Reader> auto ReadAside(Reader reader) {
        auto result = std::async(std::launch::async, reader);
        while (result.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            const int writer = ::open(m_path.c_str(), O_WRONLY | O_NONBLOCK); // fails while no one reads
            if (writer < 0) continue;
            m_readerWaited = true;
            ::close(writer);
        }
        return result.get();
    }

private:
    std::string m_path;
    bool m_made;
    bool m_readerWaited = false;
};
