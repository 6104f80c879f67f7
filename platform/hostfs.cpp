#include "platform/hostfs.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::host {

std::optional<std::string> ReadFile(const std::string& hostPath) {
    int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string data;
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        data.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return data;
}

bool IsReadOnly(const std::string& hostPath) {
    struct stat st {};
    if (::stat(hostPath.c_str(), &st) != 0) return false;
    return (st.st_mode & S_IWUSR) == 0;
}

bool Exists(const std::string& hostPath) {
    struct stat st {};
    return ::stat(hostPath.c_str(), &st) == 0;
}

bool IsDirectory(const std::string& hostPath) {
    struct stat st {};
    return ::stat(hostPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeDirectories(const std::string& hostPath) {
    std::error_code ec;
    std::filesystem::create_directories(hostPath, ec);
    return IsDirectory(hostPath);
}

bool WriteFileAtomic(const std::string& hostPath, const std::string& bytes) {
    struct stat st {};
    bool existed = ::stat(hostPath.c_str(), &st) == 0;
    if (existed && (S_ISDIR(st.st_mode) || (st.st_mode & S_IWUSR) == 0)) return false;
    static std::atomic<unsigned> counter{0};
    std::string tmp = hostPath + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    int fd =
        ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existed ? (st.st_mode & 07777) : 0644);
    if (fd < 0) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ::close(fd);
            ::unlink(tmp.c_str());
            return false;
        }
        done += static_cast<size_t>(n);
    }
    if (::close(fd) != 0 || ::rename(tmp.c_str(), hostPath.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return false;
    }
    return true;
}

} // namespace platform::host
