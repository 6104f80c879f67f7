#pragma once
// Plain host file access below the Windows path mapping. Read-only means the owner write bit is
// clear; it is honoured here even for root, which the kernel would let through.
#include <optional>
#include <string>

namespace platform::host {

std::optional<std::string> ReadFile(const std::string& hostPath);
// Writes a temporary file in the same folder and renames it over the target, so readers never
// see half a file. Fails without touching anything when the target is read-only.
bool WriteFileAtomic(const std::string& hostPath, const std::string& bytes);
bool IsReadOnly(const std::string& hostPath);
bool Exists(const std::string& hostPath);
bool IsDirectory(const std::string& hostPath);
bool MakeDirectories(const std::string& hostPath);

} // namespace platform::host
