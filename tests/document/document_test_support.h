#pragma once
// Helpers of the document tests: a view that records what the document tells it, temporary folders,
// and chart-file texts.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/document_base.h"

// Records every update with the hint it came with.
class RecordingView : public CDocumentView {
public:
    void OnUpdate(CDocumentView* sender, long hint) override { updates.push_back({sender, hint}); }

    struct Update {
        CDocumentView* sender;
        long hint;
    };
    std::vector<Update> updates;
};

// A folder of its own for one test, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder() {
        m_path = std::filesystem::temp_directory_path() /
                 ("kh-doc-" + std::to_string(::getpid()) + "-" + std::to_string(s_counter++));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() { std::filesystem::remove_all(m_path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string operator/(const std::string& name) const { return (m_path / name).string(); }
    // Writes `bytes` into the file `name` and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(m_path / name, std::ios::binary) << bytes;
        return *this / name;
    }

private:
    static inline int s_counter = 0;
    std::filesystem::path m_path;
};

inline std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A chart file as the program writes it: 10:25 am on 15 May 1990 at Chennai (80 deg 16' E,
// 13 deg 05' N, zone 5 h 30 m east), 6 m, 1013.25 mbar, 30 C, male.
inline const std::string kChennaiChartText =
    "5\r\n15\r\n1990\r\n10.250000000000000\r\n-5.300000\r\n-80.160000\r\n13.050000\r\n6.000000\r\n"
    "-5.500000\r\n-5.500000\r\n0\r\n105\r\nChennai\r\nTamil^Nadu\r\n1\r\n1013.250000\r\n30.000000\r\n1\r\n";
