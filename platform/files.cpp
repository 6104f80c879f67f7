#include "platform/files.h"

#include "platform/hostfs.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace platform {

namespace {

bool HostStat(const std::string& path, struct stat& st, std::string* host = nullptr) {
    auto h = HostPath(path);
    if (!h) return false;
    if (host) *host = *h;
    return ::stat(h->c_str(), &st) == 0;
}

bool ParentExists(const std::string& host) {
    size_t p = host.rfind('/');
    return p != std::string::npos && host::IsDirectory(p == 0 ? "/" : host.substr(0, p));
}

} // namespace

uint32_t FileAttributes(const std::string& path) {
    struct stat st {};
    if (!HostStat(path, st)) return kInvalidAttributes;
    uint32_t a = 0;
    if (S_ISDIR(st.st_mode)) a |= kAttrDirectory;
    if ((st.st_mode & S_IWUSR) == 0) a |= kAttrReadOnly;
    return a ? a : kAttrNormal;
}

bool SetFileAttributes(const std::string& path, uint32_t attributes) {
    struct stat st {};
    std::string host;
    if (!HostStat(path, st, &host)) return false;
    mode_t mode = st.st_mode & 07777;
    mode = (attributes & kAttrReadOnly) ? (mode & ~mode_t(0222)) : (mode | S_IWUSR);
    return ::chmod(host.c_str(), mode) == 0;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return HostStat(path, st) && !S_ISDIR(st.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat st {};
    return HostStat(path, st) && S_ISDIR(st.st_mode);
}

bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    auto src = HostPath(from), dst = HostPath(to);
    if (!src || !dst || !ParentExists(*dst)) return false;
    struct stat st {};
    if (::stat(src->c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    if (host::Exists(*dst) && (failIfExists || host::IsReadOnly(*dst) || host::IsDirectory(*dst)))
        return false;
    auto bytes = host::ReadFile(*src);
    if (!bytes) return false;
    return host::WriteFileAtomic(*dst, *bytes);
}

bool MoveFile(const std::string& from, const std::string& to) {
    auto src = HostPath(from), dst = HostPath(to);
    if (!src || !dst || !host::Exists(*src) || host::Exists(*dst) || !ParentExists(*dst)) return false;
    if (::rename(src->c_str(), dst->c_str()) == 0) return true;
    if (errno != EXDEV || host::IsDirectory(*src)) return false;
    // Across host file systems: copy, then remove the original.
    auto bytes = host::ReadFile(*src);
    if (!bytes || !host::WriteFileAtomic(*dst, *bytes)) return false;
    ::unlink(src->c_str());
    return true;
}

bool DeleteFile(const std::string& path) {
    auto h = HostPath(path);
    struct stat st {};
    if (!h || ::stat(h->c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    if ((st.st_mode & S_IWUSR) == 0) return false;
    return ::unlink(h->c_str()) == 0;
}

bool CreateFolder(const std::string& path) {
    auto h = HostPath(path);
    if (!h || host::Exists(*h)) return false;
    return ::mkdir(h->c_str(), 0755) == 0;
}

bool RemoveFolder(const std::string& path) {
    auto h = HostPath(path);
    return h && host::IsDirectory(*h) && ::rmdir(h->c_str()) == 0;
}

bool MatchesPattern(const std::string& name, const std::string& pattern) {
    // Iterative wildcard match with one backtrack point.
    size_t n = 0, p = 0, starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || UpperAnsi(pattern[p]) == UpperAnsi(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    // "*.*" also matches names without a period, as on Windows.
    if (p + 2 == pattern.size() && pattern.compare(p, 2, ".*") == 0) return true;
    return p == pattern.size();
}

std::vector<FoundFile> FindFiles(const std::string& pattern) {
    std::vector<FoundFile> out;
    std::string folder = FolderOf(pattern);
    std::string mask = FileNameOf(pattern);
    auto h = HostPath(folder.empty() ? pattern : folder);
    if (!h) return out;
    DIR* d = ::opendir(h->c_str());
    if (!d) return out;
    while (dirent* e = ::readdir(d)) {
        std::string hostName = e->d_name;
        if (hostName == "." || hostName == "..") continue;
        std::string name = Utf8ToAnsi(hostName);
        if (!MatchesPattern(name, mask)) continue;
        struct stat st {};
        if (::stat((*h + "/" + hostName).c_str(), &st) != 0) continue;
        FoundFile f;
        f.name = name;
        f.size = static_cast<uint64_t>(st.st_size);
        f.mtime = st.st_mtime;
        f.attributes = S_ISDIR(st.st_mode) ? uint32_t(kAttrDirectory) : 0u;
        if ((st.st_mode & S_IWUSR) == 0) f.attributes |= kAttrReadOnly;
        if (!f.attributes) f.attributes = kAttrNormal;
        out.push_back(std::move(f));
    }
    ::closedir(d);
    return out;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    auto h = HostPath(path);
    if (!h) return std::nullopt;
    return host::ReadFile(*h);
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    auto h = HostPath(path);
    if (!h || !ParentExists(*h)) return false;
    return host::WriteFileAtomic(*h, bytes);
}

std::unique_ptr<ReadFile> ReadFile::Open(const std::string& path) {
    auto h = HostPath(path);
    if (!h) return nullptr;
    return OpenHost(*h);
}

std::unique_ptr<ReadFile> ReadFile::OpenHost(const std::string& hostPath) {
    int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<ReadFile>(new ReadFile(fd, static_cast<uint64_t>(st.st_size)));
}

ReadFile::~ReadFile() {
    ::close(m_fd);
}

size_t ReadFile::ReadAt(uint64_t offset, void* buffer, size_t n) const {
    if (offset >= m_size) return 0;
    size_t done = 0;
    while (done < n) {
        ssize_t r =
            ::pread(m_fd, static_cast<char*>(buffer) + done, n - done, static_cast<off_t>(offset + done));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        done += static_cast<size_t>(r);
    }
    return done;
}

unsigned GetDriveType(const std::string& root) {
    if (root.size() < 2 || root[1] != ':') return kDriveNoRoot;
    const DriveInfo* d = CurrentImage().Drive(root[0]);
    if (!d) return kDriveNoRoot;
    return d->type;
}

bool GetDiskFreeSpace(const std::string& root, uint64_t& freeBytes, uint64_t& totalBytes) {
    if (root.size() < 2) return false;
    const DriveInfo* d = CurrentImage().Drive(root[0]);
    struct statvfs vfs {};
    if (!d || ::statvfs(d->hostDir.c_str(), &vfs) != 0) return false;
    freeBytes = static_cast<uint64_t>(vfs.f_bavail) * vfs.f_frsize;
    totalBytes = static_cast<uint64_t>(vfs.f_blocks) * vfs.f_frsize;
    if (d->type == kDriveCdRom) freeBytes = 0;
    return true;
}

uint32_t LogicalDrives() {
    uint32_t mask = 0;
    for (const auto& d : CurrentImage().Drives()) mask |= 1u << (d.letter - 'A');
    return mask;
}

} // namespace platform
