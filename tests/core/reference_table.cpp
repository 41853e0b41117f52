#include "reference_table.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

std::vector<ReferenceRecord> ReadReferenceTable(const std::string& fileName, const std::string& kind) {
    const std::string path = std::string(KH_TEST_DATA_DIR) + "/" + fileName;
    std::ifstream in(path);
    if (!in) ADD_FAILURE() << "cannot read " << path;
    std::vector<ReferenceRecord> records;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        ReferenceRecord record;
        for (std::string field; fields >> field;) record.push_back(field);
        if (!record.empty() && record[0] == kind) records.push_back(record);
    }
    return records;
}

SwetestAyanamsas::SwetestAyanamsas() {
    for (const auto& r : ReadReferenceTable("ayanamsa_swetest.txt", "aya")) {
        ayanamsa[{r[1], r[2]}] = std::stod(r[3]);
        if (r[1] == "0") moments.push_back(r[2]);
    }
    for (const auto& r : ReadReferenceTable("ayanamsa_swetest.txt", "star"))
        star[r[1] + "|" + r[2] + "|" + r[3]] = std::stod(r[4]);
}
