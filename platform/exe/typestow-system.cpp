// typestow-system: creates and inspects a system image.
#include "platform/files.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/systemtool.h"
#include "platform/text.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args;
    std::string root;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--root" && i + 1 < argc) {
            root = argv[++i];
        } else {
            // Arguments come from a UTF-8 terminal; the image speaks Windows-1252.
            args.push_back(platform::Utf8ToAnsi(a));
        }
    }
    if (root.empty()) root = platform::ImageRootFromEnvironment();
    return platform::RunSystemTool(root, args);
}
