#include "app/WFontMgrApp.h"

#include <cassert>

const char* const kProductName = "Typestow";

namespace {
WFontMgrApp* g_app = nullptr;
}

WFontMgrApp::WFontMgrApp(platform::UiPort& ui) : m_ui(ui), m_config(ui) {
    assert(!g_app && "one application object at a time");
    g_app = this;
}

WFontMgrApp::~WFontMgrApp() {
    if (g_app == this) g_app = nullptr;
}

WFontMgrApp& TheApp() {
    assert(g_app);
    return *g_app;
}

bool HasApp() {
    return g_app != nullptr;
}

const std::string& WFontMgrApp::ProgramFolder() {
    if (m_strProgramFolder.empty()) m_strProgramFolder = m_config.GetProgramFolder(kProductName);
    return m_strProgramFolder;
}
