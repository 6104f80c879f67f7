#include "platform/curdir.h"

#include "platform/image.h"
#include "platform/paths.h"

#include <unistd.h>

#include <climits>

namespace platform {

std::string GetCurrentDirectory() {
    char buffer[PATH_MAX];
    if (::getcwd(buffer, sizeof buffer)) {
        if (auto path = WindowsPathOf(buffer)) {
            std::string folder = *path;
            if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
            if (folder.size() == 2) folder += '\\';
            if (folder.size() < kMaxPath) return folder;
        }
    }
    return CurrentImage().WindowsDir();
}

} // namespace platform
