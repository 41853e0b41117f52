#pragma once
// Reads the reference tables that tests/core/data/make_*.sh write from swetest's output: one record
// per line, fields separated by blanks, lines starting with '#' (the commands) skipped.
#include <map>
#include <string>
#include <utility>
#include <vector>

using ReferenceRecord = std::vector<std::string>;

// The records of a file in tests/core/data whose first field is `kind`. Fails the calling test
// (ADD_FAILURE) when the file cannot be read.
std::vector<ReferenceRecord> ReadReferenceTable(const std::string& fileName, const std::string& kind);

// The numbers of ayanamsa_swetest.txt by (kind, name or mode, frame, JD), see make_ayanamsa_swetest.sh.
struct SwetestAyanamsas {
    std::map<std::pair<std::string, std::string>, double> ayanamsa; // (mode, jd)
    std::map<std::string, double> star;                             // name|mode|jd
    std::vector<std::string> moments;
    SwetestAyanamsas();
    double Aya(int mode, const std::string& jd) const { return ayanamsa.at({std::to_string(mode), jd}); }
    double Star(const std::string& name, const std::string& mode, const std::string& jd) const {
        return star.at(name + "|" + mode + "|" + jd);
    }
};
