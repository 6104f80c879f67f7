#include "platform/atm.h"

#include "platform/hostfs.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/session.h"

#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <map>
#include <vector>

namespace platform::atm {

namespace {

struct Binding {
    std::string root; // the image whose library was bound; empty before the first Bind
    bool up = false;
    AtmBeginEndFn begin = nullptr;
    AtmBeginEndFn end = nullptr;
    AtmAddFontFn add = nullptr;
    AtmRemoveFontFn remove = nullptr;
    AtmEnumFontsFn enumerate = nullptr;
    AtmGetFontPathsFn paths = nullptr;
};

Binding g_binding;

// Libraries stay loaded for the life of the process, one per image that was used.
std::map<std::string, void*>& Loaded() {
    static std::map<std::string, void*> loaded;
    return loaded;
}

std::string LibraryHostPath() {
    auto host = HostPath(JoinPath(CurrentImage().SystemDir(), kAtmLibraryFile));
    return host && host::Exists(*host) && !host::IsDirectory(*host) ? *host : std::string();
}

// The look-up function of the current image's library, loading it when needed; null when the
// library is missing, does not load, or exports no look-up function.
AtmLookupFn Lookup() {
    std::string path = LibraryHostPath();
    if (path.empty()) return nullptr;
    void*& handle = Loaded()[path];
    if (!handle) handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        Loaded().erase(path);
        return nullptr;
    }
    return reinterpret_cast<AtmLookupFn>(::dlsym(handle, kAtmLookupSymbol));
}

// The binding for the current image, made on first use when no refresh has bound it yet.
const Binding& Current() {
    if (g_binding.root != CurrentImage().Root()) Bind();
    return g_binding;
}

int Unbound() {
    return Current().up ? kAtmUnboundUp : kAtmUnboundDown;
}

} // namespace

int Bind() {
    g_binding = Binding{};
    g_binding.root = CurrentImage().Root();
    if (!CurrentImage().IsValid()) return 0;
    // The service keeps its records in the session folder; it must belong to this boot.
    EnsureSession();
    AtmLookupFn lookup = Lookup();
    if (!lookup) return 0;
    if (auto isUp = reinterpret_cast<AtmIsUpFn>(lookup("ATMIsUp16")); isUp && isUp() == 0) return 0;
    g_binding.up = true;
    g_binding.begin = reinterpret_cast<AtmBeginEndFn>(lookup("ATMBeginFontChange16"));
    g_binding.end = reinterpret_cast<AtmBeginEndFn>(lookup("ATMEndFontChange16"));
    g_binding.add = reinterpret_cast<AtmAddFontFn>(lookup("ATMAddFont16"));
    g_binding.remove = reinterpret_cast<AtmRemoveFontFn>(lookup("ATMRemoveFont16"));
    g_binding.enumerate = reinterpret_cast<AtmEnumFontsFn>(lookup("_ATMEnumFonts32@12"));
    g_binding.paths = reinterpret_cast<AtmGetFontPathsFn>(lookup("ATMGetFontPaths16"));
    return 1;
}

bool IsUp() {
    return Current().up;
}

bool IsBound(const char* entryPoint) {
    const Binding& b = Current();
    if (!entryPoint) return false;
    std::string name = entryPoint;
    if (name == "ATMBeginFontChange16") return b.begin;
    if (name == "ATMEndFontChange16") return b.end;
    if (name == "ATMAddFont16") return b.add;
    if (name == "ATMRemoveFont16") return b.remove;
    if (name == "_ATMEnumFonts32@12") return b.enumerate;
    if (name == "ATMGetFontPaths16") return b.paths;
    return false;
}

int ATMBeginFontChange16() {
    return Current().begin ? g_binding.begin() : Unbound();
}

int ATMEndFontChange16() {
    return Current().end ? g_binding.end() : Unbound();
}

int ATMAddFont16(int16_t client, const char* menuName, uint16_t style, const char* metricsPath,
                 const char* outlinePath, int32_t reserved) {
    if (!Current().add) return Unbound();
    EnsureSession();
    return g_binding.add(client, menuName, style, metricsPath, outlinePath, reserved);
}

int ATMRemoveFont16(int16_t client, const char* menuName, uint16_t style) {
    if (!Current().remove) return Unbound();
    EnsureSession();
    return g_binding.remove(client, menuName, style);
}

int ATMEnumFonts32(int16_t client, AtmEnumProc proc, intptr_t data) {
    if (!Current().enumerate) return Unbound();
    EnsureSession();
    return g_binding.enumerate(client, proc, data);
}

int ATMGetFontPaths16(int16_t client, const AtmFontQuery* query, uint8_t* reply) {
    if (!Current().paths) return Unbound();
    EnsureSession();
    return g_binding.paths(client, query, reply);
}

int AddFontBracketed(const std::string& menuName, uint16_t style, const std::string& metricsPath,
                     const std::string& outlinePath) {
    ATMBeginFontChange16();
    int rc = ATMAddFont16(kAtmClient, menuName.c_str(), style, metricsPath.c_str(), outlinePath.c_str(), 0);
    ATMEndFontChange16();
    return rc;
}

int RemoveFontBracketed(const std::string& menuName, uint16_t style) {
    ATMBeginFontChange16();
    int rc = ATMRemoveFont16(kAtmClient, menuName.c_str(), style);
    ATMEndFontChange16();
    return rc;
}

std::string FontMetricsPath(const std::string& faceName, uint16_t style) {
    AtmFontQuery query{};
    std::strncpy(query.menuName, faceName.c_str(), sizeof query.menuName - 1);
    query.style = style;
    uint8_t reply[kAtmReplySize] = {};
    ATMGetFontPaths16(kAtmClient, &query, reply);
    const char* path = reinterpret_cast<const char*>(reply + kAtmReplyMetricsPath);
    return std::string(path, strnlen(path, kAtmReplySize - kAtmReplyMetricsPath));
}

ServiceState QueryServiceState() {
    if (!CurrentImage().IsValid() || LibraryHostPath().empty()) return ServiceState::kMissing;
    if (Bind()) return ServiceState::kRunning;
    // Present but unusable without its look-up function: as good as missing.
    return Lookup() ? ServiceState::kNotRunning : ServiceState::kMissing;
}

const char* ServiceStateText(ServiceState state) {
    switch (state) {
    case ServiceState::kRunning:
        return "running";
    case ServiceState::kNotRunning:
        return "not running";
    default:
        return "missing";
    }
}

bool InstallLibrary(const std::string& systemFolderHost) {
    std::string source;
    if (const char* env = std::getenv("TYPESTOW_ATM32T"); env && *env) source = env;
#ifdef TYPESTOW_ATM32T_LIBRARY
    if (source.empty()) source = TYPESTOW_ATM32T_LIBRARY;
#endif
    if (source.empty()) return false;
    auto bytes = host::ReadFile(source);
    if (!bytes || bytes->empty()) return false;
    return host::WriteFileAtomic(systemFolderHost + "/" + kAtmLibraryFile, *bytes);
}

} // namespace platform::atm
