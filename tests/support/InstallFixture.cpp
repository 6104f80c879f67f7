#include "tests/support/InstallFixture.h"

#include "app/folders.h"
#include "platform/broadcast.h"
#include "platform/fonttable.h"
#include "platform/hostfs.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/session.h"

#include <cstring>
#include <stdexcept>

namespace {

const char* const kDejaVuDir = "/usr/share/fonts/truetype/dejavu/";

std::string PfmBytes(const std::string& postScriptName) {
    std::string bytes(200, '\0');
    const uint32_t offset = 150; // dfDriverInfo at 139 names where the PostScript name starts
    std::memcpy(&bytes[139], &offset, 4);
    std::memcpy(&bytes[offset], postScriptName.data(), std::min<size_t>(postScriptName.size(), 40));
    return bytes;
}

} // namespace

InstallFixture::InstallFixture(bool nt)
    : image(nt), app(std::make_unique<WFontMgrApp>(ui)), permPane(app->m_permList),
      tempPane(app->m_tempList) {
    app->m_permList = std::make_unique<FontList>();
    app->m_tempList = std::make_unique<FontList>();
    app->m_groupList = std::make_unique<GroupList>();
    app->m_sourceList = std::make_unique<FontList>();
    app->m_clipboard = std::make_unique<FontList>();
    // The session starts now, as it would at boot, not at the first font-table call of a test.
    platform::EnsureSession();
}

void InstallFixture::PutTrueType(const std::string& windowsPath, const std::string& dejaVuFile) {
    auto bytes = platform::host::ReadFile(kDejaVuDir + dejaVuFile);
    if (!bytes) throw std::runtime_error("missing " + dejaVuFile);
    image.WriteFile(windowsPath, *bytes);
}

void InstallFixture::PutType1(const std::string& pfmPath, const std::string& postScriptName,
                              bool withOutline) {
    image.WriteFile(pfmPath, PfmBytes(postScriptName));
    if (withOutline) image.WriteFile(pfmPath.substr(0, pfmPath.rfind('.')) + ".pfb", "%!PS-AdobeFont-1.0\n");
}

std::unique_ptr<FontItem> InstallFixture::TrueType(const std::string& fullName, const std::string& path) {
    auto font = std::make_unique<FontItem>();
    font->m_strFullName = fullName;
    font->m_strFilePath = path;
    font->m_nType = FT_TRUETYPE;
    return font;
}

std::unique_ptr<FontItem> InstallFixture::Type1(const std::string& fullName, const std::string& style,
                                                const std::string& pfmPath) {
    auto font = std::make_unique<FontItem>();
    font->m_strFullName = fullName;
    font->m_strStyle = style;
    font->m_strFilePath = pfmPath;
    font->m_nType = FT_TYPE1;
    return font;
}

std::string InstallFixture::FontsDir() const {
    return platform::FontsFolder();
}

std::string InstallFixture::TempFontDir() const {
    return app->ProgramFolder() + "TempFont";
}

int InstallFixture::ActiveCount(const std::string& path) {
    return platform::FontResourceCount(path);
}

std::string InstallFixture::Registration(const std::string& valueName) {
    std::string data;
    return platform::reg::QueryString(platform::FontsRegistryKey(), valueName, data) == platform::kRegOk
               ? data
               : "<none>";
}

std::string InstallFixture::AtmIniValue(const std::string& key) {
    return platform::profile::GetString("ATM.INI", "Fonts", key, "<none>");
}

uint64_t InstallFixture::NoticeSequence() {
    return platform::FontChangeSequence();
}
