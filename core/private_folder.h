#pragma once
// A folder of this process under the temporary folder, for what the Swiss Ephemeris is pointed at in
// place of the user's files: the checked star catalogue and links to ephemeris files. It is made when
// first needed and removed at exit by the process that made it (never by a child that inherited it),
// and when SIGTERM, SIGHUP or SIGINT ends that process (a signal it was started with ignored stays so).
// A lock on a file in it, held for the process's life, tells every other copy of the program that it
// is in use: a copy removes only the folders whose lock it can take, those of copies gone without
// their exit (killed, crashed), whatever process namespace they ran in.
#include <cstddef>
#include <string>
#include <string_view>

// The longest path the Swiss Ephemeris 2.10 takes: with a longer one it falls back on its built-in
// path without a word (found by handing it paths of every length up to 260).
constexpr std::size_t kLongestEphemerisPath = 242;
// True when the Swiss Ephemeris 2.10 would not read `path` whole, as a folder of its path: it splits the
// path at ':' and ';', and ends it at a line end ('\n' or '\r'); it takes every other byte (found by
// handing it folders whose name holds each byte).
bool LibrarySplitsPath(std::string_view path);

// Short enough that the folder twice, with a separator and a short name in it, stays within
// kLongestEphemerisPath.
constexpr std::size_t kLongestPrivateFolder = 110;

// The folder, or empty with `failure` saying why it cannot be made. It lies in the temporary folder,
// or in /tmp when that one's path is too long or refuses it, and its path is one the library reads
// whole (LibrarySplitsPath).
const std::string& PrivateFolder(std::string& failure);

// Gives up the folder for one in the next place (/tmp) when what the library needs cannot be written in
// it (a temporary folder that is full): the new folder; empty when there is no next place (the folder
// in force then stays and `failure` is left as it is) or when the folder cannot be made there (`failure`
// says why).
const std::string& PrivateFolderElsewhere(std::string& failure);
