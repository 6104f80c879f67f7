#pragma once
// Client of the Type 1 font service: the "ATM32T" library, loaded by name from the image's system
// folder at run time, its entry points bound by name through the one look-up function it exports.
// Every call goes through a wrapper: a bound entry point is called and its result returned; an
// unbound one answers kAtmUnboundUp (-5) while the service is up and kAtmUnboundDown (-6) when not.
#include "platform/gdi.h"

#include <cstdint>
#include <string>

namespace platform::atm {

// The client constant every caller passes.
constexpr int16_t kAtmClient = 3;
// Added to the style code for an install that outlives a restart.
constexpr uint16_t kAtmPermanent = 0x100;

constexpr int kAtmUnboundUp = -5;
constexpr int kAtmUnboundDown = -6;

// Results the service's own entry points answer.
enum : int {
    kAtmOk = 0,
    kAtmBadArgument = -1,
    kAtmNoSuchFont = -2,
    kAtmCannotRead = -3,
    kAtmCannotWrite = -4,
    kAtmNotRunning = -7, // the image's running flag is off
};

// File name of the library in the system folder; "ATM32T" is the name it is loaded by.
constexpr const char* kAtmLibraryName = "ATM32T";
constexpr const char* kAtmLibraryFile = "ATM32T.DLL";
// The symbol the library exports: entry point by name, or null.
constexpr const char* kAtmLookupSymbol = "AtmLookupEntry";
using AtmLookupFn = void* (*)(const char* name);

// Query record of ATMGetFontPaths16: menu name in 32 bytes, NUL-terminated, then the style code.
#pragma pack(push, 1)
struct AtmFontQuery {
    char menuName[32];
    uint16_t style;
};
#pragma pack(pop)
static_assert(sizeof(AtmFontQuery) == 34);

constexpr size_t kAtmReplySize = 192;
// Reply layout: the PostScript name at byte 0 (NUL-terminated, 48 bytes), the metrics (.PFM) path
// at byte 48 (NUL-terminated, up to the end). A path that does not fit leaves the field empty.
constexpr size_t kAtmReplyPostScriptName = 0;
constexpr size_t kAtmReplyMetricsPath = 48;

// Enumeration callback: the font's LOGFONT and PostScript name; the last two arguments are the
// service's own and are ignored. Returns 1 to continue.
using AtmEnumProc = int (*)(const LOGFONTA* logFont, const char* postScriptName, const void* reserved,
                            intptr_t data);

// Entry point signatures, as the library exports them.
using AtmIsUpFn = int (*)();
using AtmBeginEndFn = int (*)();
using AtmAddFontFn = int (*)(int16_t client, const char* menuName, uint16_t style, const char* metricsPath,
                             const char* outlinePath, int32_t reserved);
using AtmRemoveFontFn = int (*)(int16_t client, const char* menuName, uint16_t style);
using AtmEnumFontsFn = int (*)(int16_t client, AtmEnumProc proc, intptr_t data);
using AtmGetFontPathsFn = int (*)(int16_t client, const AtmFontQuery* query, uint8_t* reply);

// Loads the library (once per image, kept loaded for the life of the process) and binds every
// entry point by name. Returns 1 when the service is available, 0 when the library is missing, has
// no look-up function, or its "ATMIsUp16" answers 0. Called on every refresh of the installed lists.
int Bind();
// What the last Bind learned.
bool IsUp();
bool IsBound(const char* entryPoint);

// The wrappers, named after the entry points they call.
int ATMBeginFontChange16();
int ATMEndFontChange16();
int ATMAddFont16(int16_t client, const char* menuName, uint16_t style, const char* metricsPath,
                 const char* outlinePath, int32_t reserved);
int ATMRemoveFont16(int16_t client, const char* menuName, uint16_t style);
int ATMEnumFonts32(int16_t client, AtmEnumProc proc, intptr_t data); // "_ATMEnumFonts32@12"
int ATMGetFontPaths16(int16_t client, const AtmFontQuery* query, uint8_t* reply);

// Bracketed calls as the install engine makes them: begin, the one call, end.
int AddFontBracketed(const std::string& menuName, uint16_t style, const std::string& metricsPath,
                     const std::string& outlinePath);
int RemoveFontBracketed(const std::string& menuName, uint16_t style);
// The metrics path the service reports for a face name and style code; empty when it has none.
std::string FontMetricsPath(const std::string& faceName, uint16_t style);

// State of the service in the current image, as "typestow-system status" reports it.
enum class ServiceState { kRunning, kNotRunning, kMissing };
ServiceState QueryServiceState();
// "running", "not running" or "missing".
const char* ServiceStateText(ServiceState state);

// Copies the built library into a system folder (host path); called when an image is created.
// Without a built library nothing is copied and the image's service counts as missing.
bool InstallLibrary(const std::string& systemFolderHost);

} // namespace platform::atm
