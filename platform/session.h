#pragma once
// The running Windows session of the image: valid while its boot id equals the host's; a host
// reboot or "typestow-system restart" starts a fresh one.
#include <string>

namespace platform {

std::string HostBootId();
// The boot id recorded in the session folder; empty when there is no session yet.
std::string SessionBootId();
// Makes sure the session folder belongs to this boot, starting a fresh session when it does not.
// Returns true when a fresh session was started.
bool EnsureSession();
// Ends the session and starts a fresh one, as a restart of Windows would.
bool RestartSession();

} // namespace platform
