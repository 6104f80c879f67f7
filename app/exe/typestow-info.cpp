// typestow-info: read-only inspection of fonts, folders, groups and the installed lists.
#include "app/info.h"
#include "platform/image.h"
#include "platform/text.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args;
    std::string root;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--root" && i + 1 < argc)
            root = argv[++i];
        else
            args.push_back(a);
    }
    if (root.empty()) root = platform::ImageRootFromEnvironment();
    return RunInfoTool(root, args);
}
