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
