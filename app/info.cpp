#include "app/info.h"
#include "app/infofonts.h"
#include "app/infoscan.h"

#include "platform/image.h"

#include <cstdio>

int RunInfoTool(const std::string& root, const std::vector<std::string>& args) {
    if (args.empty()) {
        std::fputs("usage: typestow-info [--root DIR] COMMAND\n"
                   "  font PATH       the facts of a .ttf or .pfm file (host or Windows path)\n"
                   "  installed       the installed fonts: P or T, TTF or ATM, full name, file\n"
                   "  scan FOLDER     the fonts a Source folder lists: TTF, ATM or Other, full name, file\n"
                   "  group FILE      a group file's name and fonts\n",
                   stderr);
        return 2;
    }
    // A font file on the host needs no image: the command opens one only for a Windows path.
    if (args[0] == "font") return InfoFontCommand(root, args);
    if (!platform::OpenImage(root)) {
        std::fprintf(stderr, "typestow-info: no system image in %s\n", root.c_str());
        return 1;
    }
    if (args[0] == "installed") return InfoInstalledCommand(args);
    if (args[0] == "scan") return InfoScanCommand(args);
    if (args[0] == "group") return RunInfoGroup(args);
    std::fprintf(stderr, "typestow-info: unknown command %s (run without arguments for the list)\n",
                 args[0].c_str());
    return 2;
}
