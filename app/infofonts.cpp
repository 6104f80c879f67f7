#include "app/infofonts.h"

#include "app/WFontMgrApp.h"

#include "fontdata/TrueTypeReader.h"
#include "fontdata/Type1.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/session.h"
#include "platform/text.h"
#include "properties/InfoLines.h"

#include <cstdio>

namespace {

void PrintLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) std::printf("%s\n", platform::AnsiToUtf8(line).c_str());
}

} // namespace

int InfoFontCommand(const std::string& root, const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::fputs("usage: typestow-info [--root DIR] font PATH\n", stderr);
        return 2;
    }
    const std::string& given = args[1];
    const std::string ansi = platform::Utf8ToAnsi(given);
    const bool windowsPath = platform::HasDriveLetter(ansi);
    if (windowsPath && !platform::OpenImage(root)) {
        std::fprintf(stderr, "typestow-info: no system image in %s\n", root.c_str());
        return 1;
    }
    const std::string ext = platform::LowerAnsi(platform::ExtensionOf(ansi));
    if (ext != "ttf" && ext != "pfm") {
        std::fprintf(stderr, "typestow-info: %s is neither a .ttf nor a .pfm file\n", given.c_str());
        return 2;
    }
    auto file = windowsPath ? platform::ReadFile::Open(ansi) : platform::ReadFile::OpenHost(given);
    if (!file) {
        std::fprintf(stderr, "typestow-info: cannot open %s\n", given.c_str());
        return 1;
    }

    FontItem item;
    item.m_strFilePath = ansi;
    if (ext == "ttf") {
        item.m_nType = FT_TRUETYPE;
        ReadTrueTypeInfo(item, FileSource(*file));
    } else {
        item.m_nType = FT_TYPE1;
        if (!ReadPfmInfoFrom(item, FileSource(*file))) {
            std::fprintf(stderr, "typestow-info: %s holds no PostScript name\n", given.c_str());
            return 1;
        }
    }
    PrintLines(InfoLines(item));
    return 0;
}

int InfoInstalledCommand(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fputs("usage: typestow-info [--root DIR] installed\n", stderr);
        return 2;
    }
    platform::EnsureSession();
    platform::ConsoleUi ui;
    WFontMgrApp app(ui);
    app.m_bFontsChanged = 1;
    app.RefreshInstalledFonts();
    std::vector<std::string> lines;
    auto list = [&](const FontList& fonts, const char* where) {
        for (const FontItem* f : InDisplayOrder(fonts))
            lines.push_back(std::string(where) + "\t" + (f->m_nType == FT_TYPE1 ? "ATM" : "TTF") + "\t" +
                            f->m_strFullName + "\t" + f->m_strFilePath);
    };
    list(*app.m_permList, "P");
    list(*app.m_tempList, "T");
    PrintLines(lines);
    return 0;
}
