#pragma once
// Serialises read-modify-write of shared image state (registry, profiles, font table...) between
// the programs using one image. Re-entrant within a process.
#include <string>

namespace platform {

class ImageLock {
public:
    ImageLock();
    ~ImageLock();
    ImageLock(const ImageLock&) = delete;
    ImageLock& operator=(const ImageLock&) = delete;
};

} // namespace platform
