#pragma once
// Test support: group files of each version, byte by byte.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct GroupFileFont {
    GroupFileFont(std::string n, std::string p, int32_t t = 0x3002, std::string s = {})
        : fullName(std::move(n)), path(std::move(p)), type(t), style(std::move(s)) {}
    std::string fullName;
    std::string path;
    int32_t type = 0x3002;
    std::string style;
};

// "6.1" or "6.0" (records of 784 or 524 bytes) with the name padded to 128 bytes.
std::string GroupFile6(const std::string& tag, const std::string& name,
                       const std::vector<GroupFileFont>& fonts);

struct LegacyFont {
    std::string name;   // 40 bytes
    std::string folder; // 100 bytes
    std::string file;   // 14 bytes
};
// The untagged layout: name in 128 bytes, 104 unused, then 192-byte records.
std::string LegacyGroupFile(const std::string& name, const std::vector<LegacyFont>& fonts);
