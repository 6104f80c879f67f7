#include "platform/progman.h"

#include "platform/image.h"
#include "platform/lock.h"
#include "platform/profile.h"

#include <cstdio>

namespace platform {

namespace {

std::string StoreFile() {
    return CurrentImage().WindowsDir() + "\\PROGMAN.INI";
}
std::string GroupSection(size_t index) {
    return "Group" + std::to_string(index + 1);
}

std::string FormatRect(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

Rect ParseRect(const std::string& s) {
    Rect r;
    std::sscanf(s.c_str(), "%d,%d,%d,%d", &r.left, &r.top, &r.right, &r.bottom);
    return r;
}

void Put32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

uint32_t Get32(const std::string& b, size_t pos) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[pos + static_cast<size_t>(i)]);
    return v;
}

} // namespace

namespace progman {

bool IsRunning() {
    return CurrentImage().IsValid() && CurrentImage().ServiceFlag("ProgramManager");
}

std::vector<Group> Groups() {
    std::vector<Group> groups;
    if (!IsRunning()) return groups;
    const std::string file = StoreFile();
    const unsigned count = profile::GetInt(file, "Groups", "Count", 0);
    for (unsigned i = 0; i < count && i < 1000; ++i) {
        const std::string section = GroupSection(i);
        Group g;
        g.title = profile::GetString(file, section, "Title");
        g.rect = ParseRect(profile::GetString(file, section, "Rect", "0,0,0,0"));
        g.iconic = profile::GetInt(file, section, "Iconic", 0) != 0;
        const unsigned items = profile::GetInt(file, section, "Items", 0);
        for (unsigned k = 0; k < items && k < 10000; ++k)
            g.items.push_back(profile::GetString(file, section, "Item" + std::to_string(k + 1)));
        groups.push_back(std::move(g));
    }
    return groups;
}

bool CreateStore(const std::vector<Group>& groups) {
    ImageLock lock;
    const std::string file = StoreFile();
    bool ok = profile::Write(file, "Groups", std::string("Count"), std::to_string(groups.size()));
    for (size_t i = 0; i < groups.size(); ++i) {
        const std::string section = GroupSection(i);
        const Group& g = groups[i];
        ok = profile::Write(file, section, std::string("Title"), g.title) && ok;
        ok = profile::Write(file, section, std::string("Rect"), FormatRect(g.rect)) && ok;
        ok = profile::Write(file, section, std::string("Iconic"), std::string(g.iconic ? "1" : "0")) && ok;
        ok = profile::Write(file, section, std::string("Items"), std::to_string(g.items.size())) && ok;
        for (size_t k = 0; k < g.items.size(); ++k)
            ok = profile::Write(file, section, "Item" + std::to_string(k + 1), g.items[k]) && ok;
    }
    return ok;
}

bool PostDropFiles(size_t index, const std::string& dropBlock) {
    if (!IsRunning()) return false;
    ImageLock lock;
    const std::string file = StoreFile();
    if (index >= profile::GetInt(file, "Groups", "Count", 0)) return false;
    const std::string section = GroupSection(index);
    unsigned items = profile::GetInt(file, section, "Items", 0);
    bool ok = true;
    for (const auto& name : ParseDropFiles(dropBlock)) {
        ok = profile::Write(file, section, "Item" + std::to_string(++items), name) && ok;
        ok = profile::Write(file, section, std::string("Items"), std::to_string(items)) && ok;
    }
    return ok;
}

} // namespace progman

std::string MakeDropFiles(int x, int y, bool nonClient, const std::vector<std::string>& files) {
    std::string block;
    Put32(block, 20);
    Put32(block, static_cast<uint32_t>(x));
    Put32(block, static_cast<uint32_t>(y));
    Put32(block, nonClient ? 1 : 0);
    Put32(block, 0);
    for (const auto& f : files) {
        block += f;
        block += '\0';
    }
    block += '\0';
    return block;
}

std::vector<std::string> ParseDropFiles(const std::string& block) {
    std::vector<std::string> files;
    if (block.size() < 20) return files;
    size_t pos = Get32(block, 0);
    if (Get32(block, 16) != 0) return files; // wide names are not ours
    while (pos < block.size() && block[pos] != '\0') {
        size_t end = block.find('\0', pos);
        if (end == std::string::npos) break; // unterminated: ignore the tail
        files.push_back(block.substr(pos, end - pos));
        pos = end + 1;
    }
    return files;
}

int GetSystemMetrics(int metric) {
    switch (metric) {
    case kSmCxIcon:
    case kSmCyIcon:
        return 32;
    case kSmCyMenu:
        return 19;
    default:
        return 0;
    }
}

} // namespace platform
