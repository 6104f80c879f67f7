#include "tests/support/GroupFiles.h"

#include <cstring>

namespace {
std::string Field(const std::string& text, size_t size) {
    std::string f(size, '\0');
    std::memcpy(f.data(), text.data(), text.size() < size ? text.size() : size);
    return f;
}
} // namespace

std::string GroupFile6(const std::string& tag, const std::string& name,
                       const std::vector<GroupFileFont>& fonts) {
    std::string out = tag + Field(name, 128);
    for (const auto& f : fonts) {
        out += Field(f.fullName, 260) + Field(f.path, 260);
        for (int i = 0; i < 4; ++i)
            out += static_cast<char>((static_cast<uint32_t>(f.type) >> (8 * i)) & 0xFF);
        if (tag == "6.1") out += Field(f.style, 260);
    }
    return out;
}

std::string LegacyGroupFile(const std::string& name, const std::vector<LegacyFont>& fonts) {
    std::string out = Field(name, 128) + std::string(104, 'x');
    for (const auto& f : fonts)
        out += Field(f.name, 40) + Field(f.folder, 100) + Field(f.file, 14) + std::string(38, 'y');
    return out;
}
