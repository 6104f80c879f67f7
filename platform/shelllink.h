#pragma once
// Shell-link (.LNK) files in the documented binary format, with ANSI strings.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

struct ShellLink {
    std::string target; // Windows path of the target
    std::string arguments;
    std::string workingFolder;
    std::string description;
    uint32_t targetSize = 0;
    unsigned driveType = 3; // of the target's drive
};

std::string EncodeShellLink(const ShellLink& link);
// nullopt when the bytes are not a well-formed link.
std::optional<ShellLink> DecodeShellLink(const std::string& bytes);

// Writes the link at a Windows path, overwriting an existing file (never a read-only one).
bool WriteShellLink(const std::string& path, const ShellLink& link);
std::optional<ShellLink> ReadShellLink(const std::string& path);

// The command line the shell runs for a link: the quoted target, a blank and the arguments.
std::string ShellCommandLine(const std::string& target, const std::string& arguments);

} // namespace platform
