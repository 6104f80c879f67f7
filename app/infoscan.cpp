#include "app/infoscan.h"

#include "app/WFontMgrApp.h"
#include "install/scan.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <cstdio>
#include <memory>

namespace {

const char* TypeText(FontType type) {
    switch (type) {
    case FT_TRUETYPE:
        return "TTF";
    case FT_TYPE1:
        return "ATM";
    default:
        return "Other";
    }
}

} // namespace

int InfoScanCommand(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::fputs("usage: typestow-info [--root DIR] scan FOLDER\n", stderr);
        return 2;
    }
    const std::string& given = args[1];
    std::string folder = platform::Utf8ToAnsi(given);
    if (!platform::HasDriveLetter(folder)) {
        // A host folder is scanned through the drive of the image it lies on.
        std::string host = given;
        while (host.size() > 1 && host.back() == '/') host.pop_back();
        auto windowsPath = platform::WindowsPathOf(host);
        if (!windowsPath) {
            std::fprintf(stderr, "typestow-info: %s lies on no drive of the image\n", given.c_str());
            return 1;
        }
        folder = *windowsPath;
    }

    platform::ConsoleUi ui;
    WFontMgrApp app(ui);
    app.m_sourceList = std::make_unique<FontList>();
    ScanSourceFolder(folder);
    for (const FontItem* font : *app.m_sourceList)
        std::printf("%s\t%s\t%s\n", TypeText(font->m_nType),
                    platform::AnsiToUtf8(font->m_strFullName).c_str(),
                    platform::AnsiToUtf8(font->m_strFilePath).c_str());
    return 0;
}
