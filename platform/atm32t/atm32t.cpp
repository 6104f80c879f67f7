// The Type 1 font service. It keeps the active Type 1 fonts in the session folder of the image
// that holds it (the image is found from where the library was loaded), fills them from ATM.INI
// when a session starts, and answers "up" from the image's running flag.
#include "platform/atm.h"
#include "platform/files.h"
#include "platform/fonttable.h"
#include "platform/image.h"
#include "platform/text.h"
#include "platform/type1store.h"

#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <vector>

using namespace platform;
using namespace platform::atm;

namespace {

constexpr const char* kServiceFlag = "ATM";

// The image whose system folder holds this library: the nearest folder above it with a system.ini.
bool OpenOwnImage() {
    static int opened = -1;
    if (opened >= 0) return opened == 1;
    opened = 0;
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&OpenOwnImage), &info) == 0 || !info.dli_fname) return false;
    std::error_code ec;
    std::filesystem::path dir = std::filesystem::absolute(info.dli_fname, ec).parent_path();
    for (; !dir.empty(); dir = dir.parent_path()) {
        if (std::filesystem::exists(dir / "system.ini", ec) && OpenImage(dir.string())) {
            opened = 1;
            break;
        }
        if (dir == dir.parent_path()) break;
    }
    return opened == 1;
}

bool Running() {
    return OpenOwnImage() && CurrentImage().ServiceFlag(kServiceFlag);
}

int IsUp() {
    return Running() ? 1 : 0;
}

int BeginFontChange() {
    return Running() ? kAtmOk : kAtmNotRunning;
}
int EndFontChange() {
    return Running() ? kAtmOk : kAtmNotRunning;
}

int AddFont(int16_t client, const char* menuName, uint16_t style, const char* metricsPath,
            const char* outlinePath, int32_t) {
    if (!Running()) return kAtmNotRunning;
    if (client != kAtmClient || !menuName || !*menuName || !metricsPath || !*metricsPath)
        return kAtmBadArgument;
    // A font whose metrics cannot be read is not active; the outline is only needed for drawing.
    if (!FileExists(metricsPath)) return kAtmCannotRead;
    Type1Record r;
    r.menuName = menuName;
    r.style = style & 3;
    r.permanent = (style & kAtmPermanent) != 0;
    r.metricsPath = metricsPath;
    r.outlinePath = outlinePath ? outlinePath : "";
    r.postScriptName = PostScriptNameOfPfm(r.metricsPath);
    return AddType1Record(r) ? kAtmOk : kAtmCannotWrite;
}

int RemoveFont(int16_t client, const char* menuName, uint16_t style) {
    if (!Running()) return kAtmNotRunning;
    if (client != kAtmClient || !menuName || !*menuName) return kAtmBadArgument;
    return RemoveType1Record(menuName, style & 3) ? kAtmOk : kAtmNoSuchFont;
}

void CopyCut(char* field, size_t size, const std::string& text) {
    size_t n = std::min(text.size(), size - 1);
    std::memcpy(field, text.data(), n);
    std::memset(field + n, 0, size - n);
}

int EnumFonts(int16_t client, AtmEnumProc proc, intptr_t data) {
    if (!Running()) return kAtmNotRunning;
    if (client != kAtmClient || !proc) return kAtmBadArgument;
    // The callback may call back in (for paths); hand it a copy, not a locked record.
    std::vector<Type1Record> records = ActiveType1Fonts();
    for (const auto& r : records) {
        LOGFONTA lf{};
        lf.lfHeight = -kNominalPixelsPerEm;
        lf.lfWeight = (r.style & 2) ? 700 : 400;
        lf.lfItalic = (r.style & 1) ? 1 : 0;
        lf.lfCharSet = kAnsiCharset;
        lf.lfOutPrecision = 3;
        lf.lfClipPrecision = 2;
        lf.lfQuality = 2;
        lf.lfPitchAndFamily = 2; // variable pitch
        CopyCut(lf.lfFaceName, sizeof lf.lfFaceName, r.menuName);
        if (proc(&lf, r.postScriptName.c_str(), nullptr, data) == 0) break;
    }
    return kAtmOk;
}

int GetFontPaths(int16_t client, const AtmFontQuery* query, uint8_t* reply) {
    if (!Running()) return kAtmNotRunning;
    if (client != kAtmClient || !query || !reply) return kAtmBadArgument;
    std::string name(query->menuName, strnlen(query->menuName, sizeof query->menuName));
    // Enumeration hands out face names of at most 31 characters; a longer menu name answers to its
    // first 31.
    const size_t cut = sizeof query->menuName - 1;
    for (const auto& r : ActiveType1Fonts()) {
        if (r.style != (query->style & 3) || !EqualNoCase(r.menuName.substr(0, cut), name.substr(0, cut)))
            continue;
        std::memset(reply, 0, kAtmReplySize);
        CopyCut(reinterpret_cast<char*>(reply + kAtmReplyPostScriptName), kAtmReplyMetricsPath,
                r.postScriptName);
        // A path cut short would name another file: leave it out instead.
        if (r.metricsPath.size() < kAtmReplySize - kAtmReplyMetricsPath)
            std::memcpy(reply + kAtmReplyMetricsPath, r.metricsPath.c_str(), r.metricsPath.size() + 1);
        return kAtmOk;
    }
    return kAtmNoSuchFont;
}

} // namespace

extern "C" __attribute__((visibility("default"))) void* AtmLookupEntry(const char* name) {
    if (!name) return nullptr;
    struct Entry {
        const char* name;
        void* fn;
    };
    // The client casts these back to the signatures of atm.h; keep them in step.
    static constexpr AtmIsUpFn isUp = &IsUp;
    static constexpr AtmBeginEndFn begin = &BeginFontChange, end = &EndFontChange;
    static constexpr AtmAddFontFn add = &AddFont;
    static constexpr AtmRemoveFontFn remove = &RemoveFont;
    static constexpr AtmEnumFontsFn enumerate = &EnumFonts;
    static constexpr AtmGetFontPathsFn paths = &GetFontPaths;
    static const Entry entries[] = {
        {"ATMIsUp16", reinterpret_cast<void*>(isUp)},
        {"ATMBeginFontChange16", reinterpret_cast<void*>(begin)},
        {"ATMEndFontChange16", reinterpret_cast<void*>(end)},
        {"ATMAddFont16", reinterpret_cast<void*>(add)},
        {"ATMRemoveFont16", reinterpret_cast<void*>(remove)},
        {"_ATMEnumFonts32@12", reinterpret_cast<void*>(enumerate)},
        {"ATMGetFontPaths16", reinterpret_cast<void*>(paths)},
    };
    for (const auto& e : entries)
        if (std::strcmp(e.name, name) == 0) return e.fn;
    return nullptr;
}
