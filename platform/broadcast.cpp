#include "platform/broadcast.h"

namespace platform {

void AddFontChangeListener(FontChangeListener*) {}
void RemoveFontChangeListener(FontChangeListener*) {}
int PostFontChange() {
    return 1;
}
int SendFontChange() {
    return 1;
}
int DispatchPostedFontChanges() {
    return 0;
}
int PendingPostedFontChanges() {
    return 0;
}
uint64_t FontChangeSequence() {
    return 0;
}
bool FontsChangedSince(uint64_t seen) {
    return FontChangeSequence() != seen;
}

} // namespace platform
