#pragma once
// The byte stream a document is read from and written to. Loading, it holds the whole file as read;
// storing, it collects what the document writes, and the caller puts the bytes in the file whole.
#include <string>
#include <string_view>
#include <utility>

// What became of reading, writing or loading a document; the frame shows the message when it fails.
struct DocumentStatus {
    std::string error; // empty when it worked; else names the file and what is wrong

    bool ok() const { return error.empty(); }
    static DocumentStatus Failure(std::string message) { return {std::move(message)}; }
};

class CArchive {
public:
    enum class Mode { kLoad, kStore };

    // A loading archive over `bytes`, read from `fileName` (named in messages).
    static CArchive ForLoading(std::string bytes, std::string fileName);
    // An empty storing archive for `fileName`.
    static CArchive ForStoring(std::string fileName);

    bool IsStoring() const { return m_mode == Mode::kStore; }
    bool IsLoading() const { return m_mode == Mode::kLoad; }
    const std::string& FileName() const { return m_fileName; }

    // Loading: the bytes not read yet, all of them, and the archive is then at its end.
    std::string ReadAll();
    // Storing: appends the bytes.
    void Write(std::string_view bytes);
    // Storing: everything written so far.
    const std::string& Bytes() const { return m_bytes; }

private:
    CArchive(Mode mode, std::string bytes, std::string fileName);

    Mode m_mode;
    std::string m_bytes;
    std::size_t m_readPosition = 0;
    std::string m_fileName;
};
