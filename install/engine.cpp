#include "install/engine.h"

#include "app/WFontMgrApp.h"
#include "app/folders.h"
#include "fontdata/Type1.h"
#include "platform/atm.h"
#include "platform/files.h"
#include "platform/fonttable.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "resources/strings.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace {

// The text after the last backslash, or the whole path.
std::string BaseNameOfPath(const std::string& path) {
    size_t p = path.rfind('\\');
    return p == std::string::npos ? path : path.substr(p + 1);
}

std::string TempFontTarget(const std::string& path) {
    return TempFontFolder() + "\\" + BaseNameOfPath(path);
}

bool CopyOverwriting(const std::string& from, const std::string& to) {
    if (!platform::CopyFile(from, to, false)) return false;
    platform::SetFileAttributes(to, platform::kAttrNormal);
    return true;
}

// The Type 1 service's answers are not looked at: ATM.INI is what makes an install permanent.
void AddType1(const FontItem& item, const std::string& metrics, const std::string& outline, uint16_t style) {
    platform::atm::AddFontBracketed(item.m_strFullName, style, metrics, outline);
}

void RemoveType1(const FontItem& item) {
    platform::atm::RemoveFontBracketed(item.m_strFullName,
                                       static_cast<uint16_t>(StyleCodeOf(item.m_strStyle)));
}

// Undoes every add of the file: the first removal must succeed.
bool RemoveAllAdds(const std::string& path) {
    if (!platform::RemoveFontResource(path)) return false;
    while (platform::RemoveFontResource(path)) {
    }
    return true;
}

// What a preview install activated, so that closing the last sheet undoes exactly that and no
// installation the font had besides (a Source font whose file is also installed stays active).
struct PreviewRecord {
    std::string path; // TrueType file added once, empty for none
    bool type1 = false;
};
std::unordered_map<const FontItem*, PreviewRecord>& PreviewRecords() {
    static std::unordered_map<const FontItem*, PreviewRecord> records;
    return records;
}

// A selection walked and thinned the same way whether it owns its fonts or not.
struct OwnedSelection {
    FontList& list;
    size_t Count() const { return list.GetCount(); }
    FontItem* At(size_t i) const { return list.GetAt(i); }
    void RemoveAt(size_t i) { list.RemoveAt(i); } // deletes the font
    void Clear() { list.RemoveAll(); }
};
struct BorrowedSelection {
    FontSelection& list;
    size_t Count() const { return list.size(); }
    FontItem* At(size_t i) const { return list[i]; }
    void RemoveAt(size_t i) { list.erase(list.begin() + static_cast<std::ptrdiff_t>(i)); }
    void Clear() { list.clear(); }
};

template <typename Sel, typename Pred> bool RemoveWhere(Sel& sel, Pred pred) {
    bool removed = false;
    for (size_t i = 0; i < sel.Count();) {
        if (pred(*sel.At(i))) {
            sel.RemoveAt(i);
            removed = true;
        } else {
            ++i;
        }
    }
    return removed;
}

template <typename Sel> int Validate(Sel sel) {
    WFontMgrApp& app = TheApp();
    if (!app.m_bShowWarnings) return 1;
    platform::UiPort& ui = app.Ui();

    int answer = 0;
    for (size_t i = 0; i < sel.Count();) {
        FontItem& item = *sel.At(i);
        if (item.m_strFilePath.empty()) {
            item.m_strFilePath = item.m_strOriginalPath;
            item.m_strOriginalPath.clear();
        }
        if (platform::FileExists(item.m_strFilePath)) {
            ++i;
            continue;
        }
        answer = ui.MessageBox(ui.ActiveWindow(), LoadString(IDS_INVALID_FONT_FILES),
                               LoadString(IDS_CAPTION_WARNING),
                               platform::kMbAbortRetryIgnore | platform::kMbIconWarning);
        if (answer == platform::kIdRetry) {
            i = 0;
            continue;
        }
        break;
    }
    if (answer == platform::kIdAbort) {
        sel.Clear();
        return 0;
    }
    if (answer == platform::kIdIgnore) {
        // Fonts after the one that stopped the walk take up their original path the same way, so
        // that a font named only by its original file is not dropped for want of a path.
        RemoveWhere(sel, [](FontItem& f) {
            if (f.m_strFilePath.empty()) {
                f.m_strFilePath = f.m_strOriginalPath;
                f.m_strOriginalPath.clear();
            }
            return !platform::FileExists(f.m_strFilePath);
        });
    }

    if (platform::CurrentImage().IsNT() &&
        RemoveWhere(sel, [](const FontItem& f) { return f.m_nType == FT_TYPE1; })) {
        int ok =
            ui.MessageBox(ui.ActiveWindow(), LoadString(IDS_TYPE1_ON_NT), LoadString(IDS_CAPTION_WARNING),
                          platform::kMbOkCancel | platform::kMbIconWarning);
        if (ok == platform::kIdCancel) {
            sel.Clear();
            return 0;
        }
    }
    return 1;
}

template <typename List> int AnyRemoteIn(const List& list) {
    for (FontItem* item : list)
        if (TestRemote(*item)) return 1;
    return 0;
}

// Appends a copy of the item to an installed list unless it holds the same font and file already.
void AppendCopyUnlessHeld(FontList& list, const FontItem& item) {
    for (FontItem* held : list)
        if (IsSameFontAndFile(*held, item)) return;
    list.AddTail(std::make_unique<FontItem>(item));
}

} // namespace

int InstallTemporary(FontItem& item, int copyToTempFont) {
    if (item.m_strFilePath.empty()) {
        item.m_bInstalled = 1;
        return 1;
    }
    platform::CreateFolder(TempFontFolder());
    const std::string target = TempFontTarget(item.m_strFilePath);

    if (item.m_nType == FT_TRUETYPE) {
        if (copyToTempFont && CopyOverwriting(item.m_strFilePath, target)) {
            item.m_strOriginalPath = item.m_strFilePath;
            item.m_strFilePath = target;
        }
        if (!platform::AddFontResource(item.m_strFilePath)) return 0;
    } else {
        std::string metrics = item.m_strFilePath;
        std::string outline = OutlinePathOf(metrics);
        if (copyToTempFont) {
            CopyOverwriting(metrics, target);
            item.m_strOriginalPath = item.m_strFilePath;
            item.m_strFilePath = target;
            metrics = target;
            const std::string outlineTarget = OutlinePathOf(target);
            CopyOverwriting(outline, outlineTarget);
            outline = outlineTarget;
        }
        AddType1(item, metrics, outline, static_cast<uint16_t>(StyleCodeOf(item.m_strStyle)));
    }
    item.m_bInstalled = 1;
    return 1;
}

int InstallPermanent(FontItem& item) {
    if (item.m_nType == FT_TRUETYPE) {
        if (item.m_strRegistryName.empty()) item.m_strRegistryName = item.m_strFullName + " (TrueType)";
        if (item.m_strFilePath.empty()) item.m_strFilePath = item.m_strOriginalPath;
        const std::string key = platform::FontsRegistryKey();
        if (!platform::reg::KeyExists(key)) return 0;
        // Remember what the value held, so that a font the system cannot load leaves no registration
        // behind that would name it at every start.
        std::string previous;
        const bool hadValue =
            platform::reg::QueryString(key, item.m_strRegistryName, previous) == platform::kRegOk;
        if (platform::reg::SetString(key, item.m_strRegistryName, item.m_strFilePath) != platform::kRegOk)
            return 0;
        if (!platform::AddFontResource(item.m_strFilePath)) {
            if (hadValue)
                platform::reg::SetString(key, item.m_strRegistryName, previous);
            else
                platform::reg::DeleteValue(key, item.m_strRegistryName);
            return 0;
        }
    } else {
        const std::string metrics = item.m_strFilePath;
        AddType1(item, metrics, OutlinePathOf(metrics),
                 static_cast<uint16_t>(StyleCodeOf(item.m_strStyle) + platform::atm::kAtmPermanent));
        WriteAtmIniEntry(item);
    }
    item.m_bInstalled = 1;
    return 1;
}

int UninstallTemporary(FontItem& item) {
    if (item.m_strFilePath.empty()) item.m_strFilePath = item.m_strOriginalPath;
    if (item.m_nType == FT_TRUETYPE) {
        if (item.m_strFilePath.empty()) return 0;
        if (!RemoveAllAdds(item.m_strFilePath)) return 0;
    } else if (item.m_nType == FT_TYPE1) {
        RemoveType1(item);
    }
    item.m_bInstalled = 0;
    return 1;
}

int UninstallPermanent(FontItem& item) {
    if (item.m_nType == FT_TRUETYPE) {
        const std::string key = platform::FontsRegistryKey();
        if (!platform::reg::KeyExists(key)) return 0;
        if (platform::reg::DeleteValue(key, item.m_strRegistryName) != platform::kRegOk) return 0;
        if (item.m_strFilePath.empty()) item.m_strFilePath = item.m_strOriginalPath;
        if (item.m_strFilePath.empty()) return 0;
        if (!RemoveAllAdds(item.m_strFilePath)) return 0;
    } else if (item.m_nType == FT_TYPE1) {
        RemoveType1(item);
        DeleteAtmIniEntry(item);
    }
    item.m_bInstalled = 0;
    return 1;
}

int CopyFileWithPrompt(const std::string& source, const std::string& target) {
    WFontMgrApp& app = TheApp();
    const bool ask = app.m_bShowWarnings != 0;
    if (platform::CopyFile(source, target, ask)) return 1;
    if (!ask || !platform::FileExists(target) || !platform::FileExists(source)) return 0;
    int answer = app.Ui().MessageBox(nullptr, FormatString(IDS_REPLACE_FILE, {target, source}),
                                     LoadString(IDS_COPYING_FILE), platform::kMbYesNo);
    if (answer != platform::kIdYes) return 1;
    return platform::CopyFile(source, target, false) ? 1 : 0;
}

int ValidateSelection(FontList& selection) {
    return Validate(OwnedSelection{selection});
}
int ValidateSelection(FontSelection& selection) {
    return Validate(BorrowedSelection{selection});
}

int TestRemote(FontItem& item) {
    WFontMgrApp& app = TheApp();
    if (app.m_nRemoteDrives == -1) {
        app.m_nRemoteDrives = 0;
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            switch (platform::GetDriveType(std::string(1, letter) + ":\\")) {
            case platform::kDriveRemovable:
            case platform::kDriveRemote:
            case platform::kDriveCdRom:
            case platform::kDriveRamDisk:
                app.m_remoteDrives[app.m_nRemoteDrives++] = letter;
                app.m_remoteDrives[app.m_nRemoteDrives] = '\0';
                break;
            default:
                break;
            }
        }
    }
    // Only a path that starts with a drive letter can lie on a remote drive.
    auto onRemoteDrive = [&app](const std::string& path) {
        if (!platform::HasDriveLetter(path)) return false;
        const char letter = platform::LowerAnsi(path[0]);
        return std::find(app.m_remoteDrives, app.m_remoteDrives + app.m_nRemoteDrives, letter) !=
               app.m_remoteDrives + app.m_nRemoteDrives;
    };
    if (onRemoteDrive(item.m_strFilePath) || onRemoteDrive(item.m_strOriginalPath)) item.m_bRemote = 1;
    return item.m_bRemote;
}

int AnyRemote(const FontList& selection) {
    return AnyRemoteIn(selection);
}
int AnyRemote(const FontSelection& selection) {
    return AnyRemoteIn(selection);
}

int InstallGroupFontPermanent(FontItem& item, int copy) {
    WFontMgrApp& app = TheApp();
    const size_t slash = item.m_strFilePath.rfind('\\');
    if (copy && slash != std::string::npos) {
        const std::string target = platform::FontsFolder() + item.m_strFilePath.substr(slash);
        // A file already in the Fonts folder is not copied onto itself, and is not marked as the
        // engine's copy: an uninstall would otherwise delete the only file of the font.
        if (!platform::EqualNoCase(target, item.m_strFilePath)) {
            CopyFileWithPrompt(item.m_strFilePath, target);
            if (item.m_nType == FT_TYPE1) {
                CopyFileWithPrompt(OutlinePathOf(item.m_strFilePath), OutlinePathOf(target));
                platform::SetFileAttributes(OutlinePathOf(target), platform::kAttrNormal);
            }
            platform::SetFileAttributes(target, platform::kAttrNormal);
            item.m_strOriginalPath = item.m_strFilePath;
            item.m_strFilePath = target;
        }
    }
    const int result = InstallPermanent(item);
    AppendCopyUnlessHeld(*app.m_permList, item);
    return result;
}

int InstallGroupFontTemporary(FontItem& item) {
    WFontMgrApp& app = TheApp();
    const int result = InstallTemporary(item, 1);
    app.RecordTempInstall(item);
    AppendCopyUnlessHeld(*app.m_tempList, item);
    return result;
}

void AcquirePreview(FontItem& item) {
    if (item.m_bPreviewInstalled) item.m_nPreviewUsers += 1;
    if (!item.m_bInstalled) {
        PreviewRecord record;
        bool activeAlready = false;
        if (!item.m_strFilePath.empty()) {
            if (item.m_nType == FT_TRUETYPE) {
                record.path = item.m_strFilePath;
            } else {
                // The Type 1 service keeps one record per name and style: adding an active font again
                // would replace it, and the removal at the end would take the font away.
                activeAlready = !platform::atm::FontMetricsPath(
                                     item.m_strFullName, static_cast<uint16_t>(StyleCodeOf(item.m_strStyle)))
                                     .empty();
                record.type1 = !activeAlready;
            }
        }
        PreviewRecords().erase(&item);
        if (activeAlready)
            item.m_bInstalled = 1;
        else if (InstallTemporary(item, 0) && (!record.path.empty() || record.type1))
            PreviewRecords()[&item] = record;
        item.m_bPreviewInstalled = 1;
        item.m_nPreviewUsers = 1;
    }
}

void ReleasePreview(FontItem& item) {
    if (!item.m_bPreviewInstalled) return;
    item.m_nPreviewUsers -= 1;
    if (item.m_nPreviewUsers > 0) return;
    auto& records = PreviewRecords();
    if (auto it = records.find(&item); it != records.end()) {
        if (!it->second.path.empty())
            platform::RemoveFontResource(it->second.path);
        else if (it->second.type1)
            RemoveType1(item);
        records.erase(it);
    }
    item.m_bInstalled = 0;
    item.m_bPreviewInstalled = 0;
}
