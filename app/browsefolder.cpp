#include "app/browsefolder.h"

#include "platform/files.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <algorithm>

std::string NormalFolderPath(const std::string& path) {
    auto canon = platform::CanonicalPath(platform::Trim(path));
    if (!canon) return "";
    std::string out = *canon;
    out[0] = platform::UpperAnsi(out[0]);
    if (out.size() > 3 && out.back() == '\\') out.pop_back();
    return out;
}

std::string ParentFolder(const std::string& folder) {
    const std::string normal = NormalFolderPath(folder);
    if (normal.size() <= 3) return normal;
    const size_t slash = normal.find_last_of('\\');
    return slash <= 2 ? normal.substr(0, 3) : normal.substr(0, slash);
}

std::vector<std::string> SubfolderNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& found : platform::FindFiles(platform::JoinPath(folder, "*")))
        if (found.attributes & platform::kAttrDirectory) names.push_back(found.name);
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return platform::CompareNoCase(a, b) < 0; });
    return names;
}

std::vector<std::string> DriveRoots() {
    std::vector<std::string> roots;
    for (const auto& drive : platform::CurrentImage().Drives())
        roots.push_back(std::string(1, drive.letter) + ":\\");
    return roots;
}

std::string StartFolder(const std::string& folder) {
    std::string path = NormalFolderPath(folder);
    while (!path.empty()) {
        if (platform::FolderExists(path)) return path;
        const std::string up = ParentFolder(path);
        if (up == path) break;
        path = up;
    }
    for (const auto& root : DriveRoots())
        if (platform::FolderExists(root)) return root;
    return DriveRoots().empty() ? std::string() : DriveRoots().front();
}

BrowseOk ResolveBrowseOk(const std::string& shownFolder, const std::string& entry) {
    const std::string text = platform::Trim(entry);
    if (!text.empty()) {
        const std::string path =
            NormalFolderPath(platform::HasDriveLetter(text) ? text : platform::JoinPath(shownFolder, text));
        if (!path.empty() && platform::FolderExists(path)) {
            // The folder as the disk spells it, whatever case was typed.
            const auto host = platform::HostPath(path);
            const auto actual = host ? platform::WindowsPathOf(*host) : std::nullopt;
            return {true, actual ? NormalFolderPath(*actual) : path};
        }
        if (!path.empty() && platform::FileExists(path)) return {true, shownFolder};
    }
    return {false, shownFolder};
}
