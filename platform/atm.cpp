#include "platform/atm.h"

namespace platform::atm {

int Bind() {
    return 0;
}
bool IsUp() {
    return false;
}
bool IsBound(const char*) {
    return false;
}
int ATMBeginFontChange16() {
    return kAtmUnboundDown;
}
int ATMEndFontChange16() {
    return kAtmUnboundDown;
}
int ATMAddFont16(int16_t, const char*, uint16_t, const char*, const char*, int32_t) {
    return kAtmUnboundDown;
}
int ATMRemoveFont16(int16_t, const char*, uint16_t) {
    return kAtmUnboundDown;
}
int ATMEnumFonts32(int16_t, AtmEnumProc, intptr_t) {
    return kAtmUnboundDown;
}
int ATMGetFontPaths16(int16_t, const AtmFontQuery*, uint8_t*) {
    return kAtmUnboundDown;
}
int AddFontBracketed(const std::string&, uint16_t, const std::string&, const std::string&) {
    return kAtmUnboundDown;
}
int RemoveFontBracketed(const std::string&, uint16_t) {
    return kAtmUnboundDown;
}
std::string FontMetricsPath(const std::string&, uint16_t) {
    return {};
}
ServiceState QueryServiceState() {
    return ServiceState::kMissing;
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
bool InstallLibrary(const std::string&) {
    return false;
}

} // namespace platform::atm
