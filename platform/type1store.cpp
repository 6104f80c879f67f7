#include "platform/type1store.h"

#include "platform/files.h"
#include "platform/hostfs.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr const char* kHeader = "TYPESTOW TYPE 1 FONTS 1";

// The Type 1 service runs inside the program's process but with its own copy of the platform
// code, so it cannot share the program's ImageLock (two flock descriptions in one process would
// wait for each other). Its records get a lock of their own; the session start takes it after the
// ImageLock, the service takes only this one, so the two never wait in a circle.
class RecordLock {
public:
    RecordLock() {
        g_mutex.lock();
        if (g_depth++ == 0) {
            g_fd =
                ::open((CurrentImage().Root() + "/.type1.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
            if (g_fd >= 0)
                while (::flock(g_fd, LOCK_EX) != 0 && errno == EINTR) {
                }
        }
    }
    ~RecordLock() {
        if (--g_depth == 0 && g_fd >= 0) {
            ::flock(g_fd, LOCK_UN);
            ::close(g_fd);
            g_fd = -1;
        }
        g_mutex.unlock();
    }
    RecordLock(const RecordLock&) = delete;
    RecordLock& operator=(const RecordLock&) = delete;

private:
    static inline std::recursive_mutex g_mutex;
    static inline int g_depth = 0;
    static inline int g_fd = -1;
};

std::string RecordFile() {
    return CurrentImage().SessionDir() + "/type1fonts";
}

// Tabs and line ends would break the record lines; names and paths never need them.
std::string Clean(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return out;
}

std::optional<std::vector<Type1Record>> Parse(const std::string& bytes) {
    std::vector<std::string> lines = Split(bytes, '\n');
    if (lines.empty() || lines[0] != kHeader) return std::nullopt;
    std::vector<Type1Record> out;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        std::vector<std::string> f = Split(lines[i], '\t');
        if (f.size() != 6 || f[0].empty() || f[3].empty()) return std::nullopt;
        char* end = nullptr;
        long style = std::strtol(f[1].c_str(), &end, 10);
        if (*end || style < 0 || style > 3 || (f[2] != "0" && f[2] != "1")) return std::nullopt;
        out.push_back(Type1Record{f[0], static_cast<uint16_t>(style), f[2] == "1", f[3], f[4], f[5]});
    }
    return out;
}

bool Write(const std::vector<Type1Record>& records) {
    std::string bytes = std::string(kHeader) + "\n";
    for (const auto& r : records)
        bytes += Clean(r.menuName) + "\t" + std::to_string(r.style) + "\t" + (r.permanent ? "1" : "0") +
                 "\t" + Clean(r.metricsPath) + "\t" + Clean(r.outlinePath) + "\t" + Clean(r.postScriptName) +
                 "\n";
    return host::WriteFileAtomic(RecordFile(), bytes);
}

uint16_t StyleFromText(const std::string& text) {
    std::string s = LowerAnsi(Trim(text));
    if (s == "bolditalic") return 3;
    if (s == "bold") return 2;
    if (s == "italic") return 1;
    return 0;
}

std::vector<Type1Record> BootRecords() {
    std::vector<Type1Record> out;
    for (const auto& [key, value] : profile::Entries("ATM.INI", "Fonts")) {
        Type1Record r;
        size_t comma = key.find(',');
        r.menuName = Trim(key.substr(0, comma));
        r.style = comma == std::string::npos ? 0 : StyleFromText(key.substr(comma + 1));
        r.permanent = true;
        // "metrics,outline": paths may hold commas, so split where the outline's drive begins.
        size_t split = std::string::npos;
        for (size_t i = 0; i + 2 < value.size(); ++i)
            if (value[i] == ',' && HasDriveLetter(std::string_view(value).substr(i + 1))) {
                split = i;
                break;
            }
        if (split == std::string::npos) split = value.rfind(',');
        r.metricsPath = Trim(value.substr(0, split));
        r.outlinePath = split == std::string::npos ? std::string() : Trim(value.substr(split + 1));
        if (r.menuName.empty() || r.metricsPath.empty() || !FileExists(r.metricsPath)) continue;
        r.postScriptName = PostScriptNameOfPfm(r.metricsPath);
        auto same = [&](const Type1Record& o) {
            return o.style == r.style && EqualNoCase(o.menuName, r.menuName);
        };
        if (std::none_of(out.begin(), out.end(), same)) out.push_back(std::move(r));
    }
    return out;
}

// The records under the lock; a missing or damaged file is rebuilt from ATM.INI, as a fresh
// session would have it.
std::vector<Type1Record> LoadLocked() {
    if (auto bytes = host::ReadFile(RecordFile()))
        if (auto records = Parse(*bytes)) return *records;
    std::vector<Type1Record> records = BootRecords();
    if (host::IsDirectory(CurrentImage().SessionDir())) Write(records);
    return records;
}

} // namespace

std::vector<Type1Record> ActiveType1Fonts() {
    if (!CurrentImage().IsValid()) return {};
    if (auto bytes = host::ReadFile(RecordFile()))
        if (auto records = Parse(*bytes)) return *records;
    RecordLock lock;
    return LoadLocked();
}

bool AddType1Record(const Type1Record& record) {
    if (!CurrentImage().IsValid() || record.menuName.empty()) return false;
    RecordLock lock;
    std::vector<Type1Record> records = LoadLocked();
    auto it = std::find_if(records.begin(), records.end(), [&](const Type1Record& o) {
        return o.style == record.style && EqualNoCase(o.menuName, record.menuName);
    });
    if (it != records.end())
        *it = record;
    else
        records.push_back(record);
    return Write(records);
}

bool RemoveType1Record(const std::string& menuName, uint16_t style) {
    if (!CurrentImage().IsValid()) return false;
    RecordLock lock;
    std::vector<Type1Record> records = LoadLocked();
    auto it = std::find_if(records.begin(), records.end(), [&](const Type1Record& o) {
        return o.style == style && EqualNoCase(o.menuName, menuName);
    });
    if (it == records.end()) return false;
    records.erase(it);
    return Write(records);
}

void LoadBootTimeType1Fonts() {
    if (!CurrentImage().IsValid()) return;
    RecordLock lock;
    Write(BootRecords());
}

std::string PostScriptNameOfPfm(const std::string& metricsPath) {
    auto file = ReadFile::Open(metricsPath);
    if (!file || file->Size() <= 139) return {};
    uint8_t b[4];
    if (!file->ReadExact(139, b, 4)) return {};
    uint32_t offset = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
    char name[40];
    size_t n = file->ReadAt(offset, name, sizeof name);
    return std::string(name, strnlen(name, n));
}

} // namespace platform
