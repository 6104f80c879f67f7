// typestow: the font manager.
#include "app/WFontMgrApp.h"
#include "app/ui/QtUiPort.h"
#include "platform/image.h"
#include "platform/text.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    const std::string root = platform::ImageRootFromEnvironment();
    if (!platform::OpenImage(root)) {
        std::fprintf(stderr, "typestow: no system image in %s (run: typestow-system init)\n", root.c_str());
        return 1;
    }
    const char* uiName = std::getenv("TYPESTOW_UI");
    const bool console = uiName && std::strcmp(uiName, "console") == 0;
    std::unique_ptr<QApplication> qapp;
    std::unique_ptr<platform::UiPort> ui;
    if (console) {
        ui = std::make_unique<platform::ConsoleUi>();
    } else {
        qapp = std::make_unique<QApplication>(argc, argv);
        ui = std::make_unique<QtUiPort>();
    }
    WFontMgrApp app(*ui);
    if (!app.Config().LocateSharedConfig(true)) return 1;
    app.ReadSettings();
    std::printf("typestow: settings read from %s; the main window is not built yet\n",
                platform::AnsiToUtf8(app.m_strSettingsPath).c_str());
    return 0;
}
