#pragma once
// Reads the reference tables that tests/core/data/make_*.sh write from swetest's output: one record
// per line, fields separated by blanks, lines starting with '#' (the commands) skipped.
#include <string>
#include <vector>

using ReferenceRecord = std::vector<std::string>;

// The records of a file in tests/core/data whose first field is `kind`. Fails the calling test
// (ADD_FAILURE) when the file cannot be read.
std::vector<ReferenceRecord> ReadReferenceTable(const std::string& fileName, const std::string& kind);
