// typestow-info group FILE: a group file as the program reads it.
#include "app/WFontMgrApp.h"
#include "app/info.h"
#include "groups/GroupFile.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <cstdio>
#include <memory>
#include <optional>

namespace {

std::string TypeText(FontType type) {
    if (type == FT_TRUETYPE) return "TTF";
    if (type == FT_TYPE1) return "ATM";
    return std::to_string(static_cast<int32_t>(type));
}

} // namespace

int RunInfoGroup(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::fputs("usage: typestow-info group FILE\n", stderr);
        return 2;
    }
    // A Windows path of the image, or a host path.
    const std::string ansi = platform::Utf8ToAnsi(args[1]);
    std::unique_ptr<platform::ReadFile> file;
    std::string path;
    if (platform::HasDriveLetter(ansi)) {
        file = platform::ReadFile::Open(ansi);
        path = ansi;
    } else {
        file = platform::ReadFile::OpenHost(args[1]);
        auto windows = platform::WindowsPathOf(args[1]);
        path = windows ? *windows : platform::Utf8ToAnsi(args[1]);
    }
    if (!file) {
        std::fprintf(stderr, "typestow-info: cannot open %s\n", args[1].c_str());
        return 1;
    }
    // The group is read as the program reads it, with any path rewrite the settings still ask for.
    platform::ConsoleUi ui;
    std::unique_ptr<WFontMgrApp> app;
    if (!HasApp()) {
        app = std::make_unique<WFontMgrApp>(ui);
        app->Config().LocateSharedConfig(false);
    }
    FontGroup group;
    ReadGroupFile(*file, path, group);
    std::string out = platform::AnsiToUtf8(group.m_strName) + "\n";
    for (const FontItem* font : *group.m_pFonts)
        out += TypeText(font->m_nType) + "\t" + platform::AnsiToUtf8(font->m_strFullName) + "\t" +
               platform::AnsiToUtf8(font->m_strStyle) + "\t" + platform::AnsiToUtf8(font->m_strFilePath) +
               "\n";
    std::fputs(out.c_str(), stdout);
    return 0;
}
