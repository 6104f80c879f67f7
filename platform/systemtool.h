#pragma once
// The commands of typestow-system, callable from tests.
#include <string>
#include <vector>

namespace platform {

// Runs one command on the image at `root`; output on stdout, errors on stderr; returns the exit code.
int RunSystemTool(const std::string& root, const std::vector<std::string>& args);

} // namespace platform
