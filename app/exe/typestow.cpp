// typestow: the font manager. Started with a group file (and a switch) it installs that group and
// ends; otherwise it opens the main window.
#include "app/WFontMgrApp.h"
#include "app/ui/QtUiPort.h"
#include "platform/image.h"
#include "platform/session.h"
#include "platform/text.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

// The command line as Windows would pass it: arguments in the program's code page, those holding a
// blank in quotes.
std::string CommandLineOf(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        std::string arg = platform::Utf8ToAnsi(argv[i]);
        if (!line.empty()) line += ' ';
        if (arg.find(' ') != std::string::npos && arg.find('"') == std::string::npos)
            line += '"' + arg + '"';
        else
            line += arg;
    }
    return line;
}

} // namespace

int main(int argc, char** argv) {
    const std::string root = platform::ImageRootFromEnvironment();
    if (!platform::OpenImage(root)) {
        std::fprintf(stderr, "typestow: no system image in %s (run: typestow-system init)\n", root.c_str());
        return 1;
    }
    platform::EnsureSession();
    const char* uiName = std::getenv("TYPESTOW_UI");
    const bool console = uiName && std::strcmp(uiName, "console") == 0;
    std::unique_ptr<QApplication> qapp;
    std::unique_ptr<platform::UiPort> ui;
    if (console) {
        ui = std::make_unique<platform::ConsoleUi>();
    } else {
        // Qt takes its own options out of the arguments first.
        qapp = std::make_unique<QApplication>(argc, argv);
        ui = std::make_unique<QtUiPort>();
    }
    WFontMgrApp app(*ui);
    app.AppStartup(CommandLineOf(argc, argv));
    app.AppShutdown();
    return 0;
}
