#pragma once
// Reading and writing a file whole, for the program's own text files (the preference file, chart
// files). Failures come back with a message that names the file and the cause.
#include <cstdint>
#include <string>

// What became of a write; the caller shows the message when it fails.
struct FileWriteResult {
    bool ok = true;
    std::string message; // empty when ok, else what failed and why
};

// Writes `text` to a temporary file beside the target (<name>.tmp-<number>) and renames it over the
// target, then syncs the folder, so a failed or interrupted write leaves the previous file as it was.
// A symbolic link is followed: its target is replaced and the link stays. An existing file keeps its
// permission bits, and its owner and group where the process may give them; a new one gets the usual
// bits (0666 less the umask). A write that succeeds removes the temporaries that interrupted writes of
// the same file left behind.
FileWriteResult WriteFileWhole(const std::string& path, const std::string& text);

// True when a file exists at `path` (a link to one included) that is marked read-only (no one may
// write it) or that this process may not write: replacing it should be asked first, as the folder may
// still let it be replaced.
bool IsReadOnlyFile(const std::string& path);

// Creates `folder` and its missing parents; the message names the folder and the cause.
FileWriteResult CreateFolder(const std::string& folder);

// What became of a read.
struct FileReadResult {
    enum class Outcome { kRead, kMissing, kUnreadable };
    Outcome outcome = Outcome::kRead;
    std::string text;    // the bytes read, when kRead
    std::string message; // kMissing and kUnreadable: the file and the cause
};

// The most a file of one kind may hold, far above any real one, and what the kind is called in
// messages ("a chart file").
struct FileSizeLimit {
    std::uint64_t bytes = 0;
    const char* kind = "";
};

// Reads the whole file at `path`. A file that does not exist is kMissing; one that exists but cannot
// be opened or read (no permission, a folder, a fifo or a device, an I/O error) is kUnreadable, and so
// is one larger than `limit`: its size is looked at before a byte is read, so a huge file is refused
// at once, and a file that grows while it is read is refused once it passes the limit.
FileReadResult ReadFileWhole(const std::string& path, FileSizeLimit limit);

// A size as a message shows it: "512 bytes", "64 KB", "1 MB", "2.5 GB" (units of 1024).
std::string SizeText(std::uint64_t bytes);

// "Cannot read "<path>": it holds <size>, and <kind> holds at most <limit>.", the two sizes in bytes
// when their rounded texts would read alike.
std::string FileTooLargeMessage(const std::string& path, std::uint64_t size, FileSizeLimit limit);

// Opens the file at `path` for reading when it is a regular file (a link to one included) and returns
// its descriptor, which the caller closes. Anything else is refused without waiting on it: a fifo
// would hold the reader until someone writes, a device may never end. On refusal -1 is returned and
// `failure` holds the outcome (kMissing or kUnreadable) and a message naming the file.
int OpenRegularFile(const std::string& path, FileReadResult& failure);
