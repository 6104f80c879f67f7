#include "platform/broadcast.h"

#include "platform/hostfs.h"
#include "platform/image.h"
#include "platform/lock.h"
#include "platform/session.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace platform {

namespace {

std::vector<FontChangeListener*>& Listeners() {
    static std::vector<FontChangeListener*> listeners;
    return listeners;
}

int g_pending = 0;

std::string SequenceFile() {
    return CurrentImage().SessionDir() + "/fontchange";
}

void Notify() {
    // A listener may remove itself (or another) while being told.
    std::vector<FontChangeListener*> copy = Listeners();
    for (FontChangeListener* l : copy) {
        auto& now = Listeners();
        if (std::find(now.begin(), now.end(), l) != now.end()) l->OnFontChange();
    }
}

void Bump() {
    if (!CurrentImage().IsValid()) return;
    ImageLock lock;
    EnsureSession();
    SetFontChangeSequence(FontChangeSequence() + 1);
}

} // namespace

void AddFontChangeListener(FontChangeListener* listener) {
    auto& l = Listeners();
    if (listener && std::find(l.begin(), l.end(), listener) == l.end()) l.push_back(listener);
}

void RemoveFontChangeListener(FontChangeListener* listener) {
    std::erase(Listeners(), listener);
}

int PostFontChange() {
    Bump();
    ++g_pending;
    return 1;
}

int SendFontChange() {
    Bump();
    Notify();
    return 1;
}

int DispatchPostedFontChanges() {
    int delivered = 0;
    while (g_pending > 0) {
        --g_pending;
        Notify();
        ++delivered;
    }
    return delivered;
}

int PendingPostedFontChanges() {
    return g_pending;
}

uint64_t FontChangeSequence() {
    if (!CurrentImage().IsValid()) return 0;
    auto bytes = host::ReadFile(SequenceFile());
    if (!bytes) return 0;
    return std::strtoull(bytes->c_str(), nullptr, 10);
}

bool SetFontChangeSequence(uint64_t value) {
    if (!CurrentImage().IsValid()) return false;
    ImageLock lock;
    return host::WriteFileAtomic(SequenceFile(), std::to_string(value) + "\n");
}

bool FontsChangedSince(uint64_t seen) {
    return FontChangeSequence() != seen;
}

} // namespace platform
