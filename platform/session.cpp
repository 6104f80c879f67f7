#include "platform/session.h"

#include "platform/broadcast.h"
#include "platform/fonttable.h"
#include "platform/hostfs.h"
#include "platform/image.h"
#include "platform/lock.h"
#include "platform/type1store.h"

#include <filesystem>
#include <fstream>

namespace platform {

namespace {

std::string BootFile() { return CurrentImage().SessionDir() + "/boot_id"; }

bool StartFresh() {
    // The font-change number goes on from the old session, so that watchers see the restart.
    const uint64_t sequence = FontChangeSequence();
    std::error_code ec;
    std::filesystem::remove_all(CurrentImage().SessionDir(), ec);
    if (!host::MakeDirectories(CurrentImage().SessionDir())) return false;
    if (!host::WriteFileAtomic(BootFile(), HostBootId() + "\n")) return false;
    SetFontChangeSequence(sequence + 1);
    // What Windows loads at boot: the registered TrueType fonts and the Type 1 fonts of ATM.INI.
    LoadBootTimeTrueTypeFonts();
    LoadBootTimeType1Fonts();
    return true;
}

} // namespace

std::string HostBootId() {
    std::ifstream in("/proc/sys/kernel/random/boot_id");
    std::string id;
    std::getline(in, id);
    return id.empty() ? std::string("unknown-boot") : id;
}

std::string SessionBootId() {
    auto bytes = host::ReadFile(BootFile());
    if (!bytes) return {};
    std::string id = *bytes;
    while (!id.empty() && (id.back() == '\n' || id.back() == '\r')) id.pop_back();
    return id;
}

bool EnsureSession() {
    if (!CurrentImage().IsValid()) return false;
    ImageLock lock;
    if (SessionBootId() == HostBootId()) return false;
    return StartFresh();
}

bool RestartSession() {
    if (!CurrentImage().IsValid()) return false;
    ImageLock lock;
    return StartFresh();
}

} // namespace platform
