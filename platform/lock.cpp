#include "platform/lock.h"

#include "platform/image.h"

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {
std::recursive_mutex g_mutex;
int g_depth = 0;
int g_fd = -1;
} // namespace

ImageLock::ImageLock() {
    g_mutex.lock();
    if (g_depth++ == 0) {
        std::string root = CurrentImage().Root();
        g_fd = ::open((root + "/.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (g_fd >= 0) {
            while (::flock(g_fd, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
}

ImageLock::~ImageLock() {
    if (--g_depth == 0 && g_fd >= 0) {
        ::flock(g_fd, LOCK_UN);
        ::close(g_fd);
        g_fd = -1;
    }
    g_mutex.unlock();
}

} // namespace platform
