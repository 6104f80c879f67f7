#pragma once
// The font-change notice (WM_FONTCHANGE to HWND_BROADCAST). Posting or sending it bumps the
// session's sequence number, which every program using the image can poll, and notifies the
// listeners of this process: at once when sent, from the queue when posted.
#include <cstdint>

namespace platform {

constexpr unsigned kWmFontChange = 0x001D;

// What a top-level window does with the notice; the main window marks its lists stale.
class FontChangeListener {
public:
    virtual ~FontChangeListener() = default;
    virtual void OnFontChange() = 0;
};

// Listeners are not owned; remove one before it is destroyed.
void AddFontChangeListener(FontChangeListener* listener);
void RemoveFontChangeListener(FontChangeListener* listener);

// PostMessageA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0): bumps the sequence number now and queues the
// notice for this process's listeners until DispatchPostedFontChanges runs. Returns 1.
int PostFontChange();
// SendMessageA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0): bumps the sequence number and calls this
// process's listeners before returning. Returns 1.
int SendFontChange();
// Delivers the queued notices (the event loop calls it); returns how many were delivered.
int DispatchPostedFontChanges();
int PendingPostedFontChanges();

// The session's font-change sequence number. It never goes back, and a restart of the session
// counts as a change.
uint64_t FontChangeSequence();
// Used by the session start, which carries the number over into the fresh session.
bool SetFontChangeSequence(uint64_t value);
// True when a notice was broadcast (by any program) or the session restarted since `seen` was read.
bool FontsChangedSince(uint64_t seen);

// Remembers the last number seen, for a window that polls for notices from other programs.
class FontChangeWatcher {
public:
    FontChangeWatcher() : m_seen(FontChangeSequence()) {}
    // True once per change since the last call (or since construction).
    bool Poll() {
        uint64_t now = FontChangeSequence();
        if (now == m_seen) return false;
        m_seen = now;
        return true;
    }
    uint64_t Seen() const { return m_seen; }

private:
    uint64_t m_seen;
};

} // namespace platform
