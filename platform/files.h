#pragma once
// File operations on Windows paths of the image, with the Win32 results the callers rely on.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

constexpr uint32_t kInvalidAttributes = 0xFFFFFFFF;
enum FileAttribute : uint32_t {
    kAttrReadOnly = 0x01,
    kAttrHidden = 0x02,
    kAttrSystem = 0x04,
    kAttrDirectory = 0x10,
    kAttrArchive = 0x20,
    kAttrNormal = 0x80,
};

// kInvalidAttributes when the path does not resolve or does not exist.
uint32_t FileAttributes(const std::string& path);
// Only the read-only bit is kept by the host; the others are accepted and ignored.
bool SetFileAttributes(const std::string& path, uint32_t attributes);
bool FileExists(const std::string& path);   // an existing file, not a folder
bool FolderExists(const std::string& path); // an existing folder
// Fails when the destination exists and failIfExists is set, or when it is read-only.
bool CopyFile(const std::string& from, const std::string& to, bool failIfExists);
// Fails when the destination exists; a read-only source may be moved (as on Windows).
bool MoveFile(const std::string& from, const std::string& to);
bool DeleteFile(const std::string& path); // fails on a read-only file
bool CreateFolder(const std::string& path);
bool RemoveFolder(const std::string& path);

struct FoundFile {
    std::string name; // long name, Windows-1252
    uint32_t attributes = 0;
    uint64_t size = 0;
    int64_t mtime = 0;
};
// "C:\\Fonts\\*.TTF": entries of the folder whose name matches the pattern without regard to case
// ('*' any run, '?' one character). "." and ".." are never returned.
std::vector<FoundFile> FindFiles(const std::string& pattern);
bool MatchesPattern(const std::string& name, const std::string& pattern);

std::optional<std::string> ReadWholeFile(const std::string& path);
// Atomic replace; fails on a read-only target or a missing folder.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

// A file opened for reading with seeks, for readers that take only what they need.
class ReadFile {
public:
    static std::unique_ptr<ReadFile> Open(const std::string& path);
    static std::unique_ptr<ReadFile> OpenHost(const std::string& hostPath);
    ~ReadFile();
    uint64_t Size() const { return m_size; }
    // Reads up to n bytes at the offset; returns the count read (short at the end of the file).
    size_t ReadAt(uint64_t offset, void* buffer, size_t n) const;
    // Reads exactly n bytes or fails.
    bool ReadExact(uint64_t offset, void* buffer, size_t n) const { return ReadAt(offset, buffer, n) == n; }

private:
    ReadFile(int fd, uint64_t size) : m_fd(fd), m_size(size) {}
    int m_fd;
    uint64_t m_size;
};

unsigned GetDriveType(const std::string& root); // "C:\\" or "C:"
bool GetDiskFreeSpace(const std::string& root, uint64_t& freeBytes, uint64_t& totalBytes);
uint32_t LogicalDrives(); // bit 0 = A:

} // namespace platform
