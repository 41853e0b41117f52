#pragma once
// Small helpers shared by the shell tests.
#include <fstream>
#include <sstream>
#include <string>

// The whole content of a file, byte for byte; empty when it cannot be opened.
inline std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
