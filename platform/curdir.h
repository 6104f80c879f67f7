#pragma once
// The process's current folder as a Windows path.
#include <string>

namespace platform {

// The Windows path of the host's current folder when it lies on a drive of the image, else the
// Windows folder (where a program started by the shell without a folder of its own runs). No
// trailing backslash except at a drive's root.
std::string GetCurrentDirectory();

} // namespace platform
