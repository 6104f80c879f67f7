#pragma once
// Windows paths over the image. A path resolves drive letter -> host folder, then component by
// component: the exact name first, else the first case-insensitive match. New names stay as given.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

constexpr size_t kMaxPath = 260;

// nullopt for an unmapped drive, a path that climbs above its drive's root, a relative path or
// one of kMaxPath bytes or more.
std::optional<std::string> HostPath(const std::string& windowsPath);
// The Windows path of a host path that lies under one of the image's drives.
std::optional<std::string> WindowsPathOf(const std::string& hostPath);

bool HasDriveLetter(std::string_view path);
// Folder part up to and including the last backslash ("C:\A\b.ttf" -> "C:\A\").
std::string FolderOf(std::string_view path);
std::string FileNameOf(std::string_view path);
// File name without folder and without the extension from the last period.
std::string BaseNameOf(std::string_view path);
// The extension after the last period of the file name, without the period; empty when none.
std::string ExtensionOf(std::string_view path);
std::string WithTrailingBackslash(std::string_view path);
std::string JoinPath(std::string_view folder, std::string_view name);
// Collapses "." and ".." and doubled separators; nullopt when ".." climbs above the drive root.
std::optional<std::string> CanonicalPath(std::string_view path);

} // namespace platform
