#include "platform/paths.h"

#include "platform/image.h"
#include "platform/text.h"

#include <dirent.h>
#include <sys/stat.h>
#include <vector>

namespace platform {

bool HasDriveLetter(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

std::string FolderOf(std::string_view path) {
    size_t p = path.find_last_of("\\/");
    if (p == std::string_view::npos)
        return HasDriveLetter(path) ? std::string(path.substr(0, 2)) : std::string();
    return std::string(path.substr(0, p + 1));
}

std::string FileNameOf(std::string_view path) {
    size_t p = path.find_last_of("\\/");
    if (p == std::string_view::npos) p = HasDriveLetter(path) ? 1 : std::string_view::npos;
    return std::string(p == std::string_view::npos ? path : path.substr(p + 1));
}

std::string BaseNameOf(std::string_view path) {
    std::string name = FileNameOf(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ExtensionOf(std::string_view path) {
    std::string name = FileNameOf(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string WithTrailingBackslash(std::string_view path) {
    std::string s(path);
    if (s.empty() || s.back() != '\\') s += '\\';
    return s;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    return WithTrailingBackslash(folder) + std::string(name);
}

std::optional<std::string> CanonicalPath(std::string_view path) {
    if (!HasDriveLetter(path)) return std::nullopt;
    std::string drive(path.substr(0, 2));
    std::vector<std::string> parts;
    size_t i = 2;
    while (i <= path.size()) {
        size_t j = path.find_first_of("\\/", i);
        if (j == std::string_view::npos) j = path.size();
        std::string part(path.substr(i, j - i));
        if (part == "..") {
            if (parts.empty()) return std::nullopt;
            parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        i = j + 1;
    }
    std::string out = drive + "\\";
    for (size_t k = 0; k < parts.size(); ++k) {
        if (k) out += '\\';
        out += parts[k];
    }
    // Keep a trailing separator the caller wrote, it marks a folder.
    if (!parts.empty() && (path.back() == '\\' || path.back() == '/')) out += '\\';
    return out;
}

namespace {

bool HostExists(const std::string& p) {
    struct stat st {};
    return ::lstat(p.c_str(), &st) == 0;
}

// The first entry of a host folder whose name matches without regard to case.
std::optional<std::string> FindNoCase(const std::string& dir, const std::string& ansiName) {
    DIR* d = ::opendir(dir.c_str());
    if (!d) return std::nullopt;
    std::optional<std::string> found;
    while (dirent* e = ::readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        if (EqualNoCase(Utf8ToAnsi(name), ansiName)) {
            found = name;
            break;
        }
    }
    ::closedir(d);
    return found;
}

} // namespace

std::optional<std::string> HostPath(const std::string& windowsPath) {
    if (windowsPath.size() >= kMaxPath) return std::nullopt;
    auto canon = CanonicalPath(windowsPath);
    if (!canon) return std::nullopt;
    const DriveInfo* drive = CurrentImage().Drive((*canon)[0]);
    if (!drive) return std::nullopt;
    std::string host = drive->hostDir;
    bool exists = true;
    size_t i = 3;
    while (i < canon->size()) {
        size_t j = canon->find('\\', i);
        if (j == std::string::npos) j = canon->size();
        std::string part = canon->substr(i, j - i);
        i = j + 1;
        if (part.empty()) continue;
        std::string utf8 = AnsiToUtf8(part);
        if (exists && !HostExists(host + "/" + utf8)) {
            if (auto match = FindNoCase(host, part))
                utf8 = *match;
            else
                exists = false;
        }
        host += "/" + utf8;
    }
    return host;
}

std::optional<std::string> WindowsPathOf(const std::string& hostPath) {
    const DriveInfo* best = nullptr;
    for (const auto& d : CurrentImage().Drives()) {
        const std::string& h = d.hostDir;
        if (hostPath == h || (hostPath.size() > h.size() && hostPath.compare(0, h.size(), h) == 0 &&
                              (hostPath[h.size()] == '/' || h == "/"))) {
            if (!best || d.hostDir.size() > best->hostDir.size()) best = &d;
        }
    }
    if (!best) return std::nullopt;
    std::string rest = hostPath.substr(best->hostDir.size());
    std::string out = std::string(1, best->letter) + ":";
    for (char c : Utf8ToAnsi(rest)) out += c == '/' ? '\\' : c;
    if (out.size() == 2) out += '\\';
    if (out.size() >= 3 && out[2] != '\\') out.insert(2, "\\");
    return out;
}

} // namespace platform
