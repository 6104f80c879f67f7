#include "groups/GroupFile.h"
#include "groups/GroupPane.h"

#include "app/WFontMgrApp.h"
#include "install/engine.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/lock.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "resources/strings.h"

#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

const char* const kSettingsSection = "config";
const char* const kReplaceFrom = "GroupReplaceTextFrom";
const char* const kReplaceTo = "GroupReplaceTextTo";

// Text of a fixed field up to its first NUL, never more than `limit` characters.
std::string FieldText(const char* field, size_t size, size_t limit) {
    return std::string(field, strnlen(field, size < limit ? size : limit));
}

std::string TrimRightSpace(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n' ||
                          s.back() == '\v' || s.back() == '\f'))
        s.pop_back();
    return s;
}

// Copies text into a fixed field, cut so that its terminator always fits.
void PutField(char* field, size_t size, const std::string& text) {
    size_t n = strnlen(text.c_str(), text.size() < size - 1 ? text.size() : size - 1);
    std::memcpy(field, text.data(), n);
}

int32_t GetInt32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
}

void PutInt32(char* p, int32_t value) {
    auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string SettingsPath() {
    if (!HasApp()) return {};
    WFontMgrApp& app = TheApp();
    if (!app.m_strSettingsPath.empty()) return app.m_strSettingsPath;
    const std::string& folder = app.ProgramFolder();
    return folder.empty() ? std::string() : folder + "typestow.ini";
}

// Lower-case letter of the first CD-ROM drive, or 0 when the image has none.
char FirstCdRomLetter() {
    for (char letter = 'a'; letter <= 'z'; ++letter)
        if (platform::GetDriveType(std::string(1, letter) + ":\\") == platform::kDriveCdRom) return letter;
    return 0;
}

void ReadVersion6(const ByteSource& file, bool v61, FontGroup& group, const GroupPathRewrite& rewrite) {
    char name[kGroupNameField] = {};
    file.ReadAt(kGroupTagSize, name, sizeof name);
    group.m_strName = FieldText(name, sizeof name, kMaxGroupName);

    const size_t recordSize = v61 ? kGroupRecord61 : kGroupRecord60;
    std::vector<char> record(kGroupRecord61);
    for (uint64_t offset = kGroupTagSize + kGroupNameField; offset < file.Size(); offset += recordSize) {
        std::fill(record.begin(), record.end(), '\0');
        // A partial last record is dropped.
        if (!file.ReadExact(offset, record.data(), recordSize)) break;
        auto font = std::make_unique<FontItem>();
        std::string path =
            FieldText(record.data() + kGroupStringField, kGroupStringField, kGroupStringField - 1);
        font->m_strFilePath = rewrite.Active() ? rewrite.Apply(path) : path;
        font->m_nType = static_cast<FontType>(GetInt32(record.data() + kGroupTypeOffset));
        font->m_strFullName = FieldText(record.data(), kGroupStringField, kGroupStringField - 1);
        font->m_strStyle =
            FieldText(record.data() + kGroupStyleOffset, kGroupStringField, kGroupStringField - 1);
        // "6.0" records carry no style: the metrics file names the Type 1 font.
        if (!v61 && font->m_nType == FT_TYPE1) font->ReadPfmInfo();
        if (HasApp()) TestRemote(*font);
        group.m_pFonts->AddTail(std::move(font));
    }
}

void ReadLegacy(const ByteSource& file, FontGroup& group) {
    char name[kGroupNameField] = {};
    file.ReadAt(0, name, sizeof name);
    group.m_strName = TrimRightSpace(FieldText(name, sizeof name, kMaxGroupName));

    const char cdrom = FirstCdRomLetter();
    // Name, folder and file name must all be there; the 38 unused bytes at the end of the last
    // record may be missing.
    constexpr size_t kNeeded = 40 + 100 + 14;
    for (uint64_t offset = kLegacyFirstRecord; offset < file.Size(); offset += kLegacyRecord) {
        char record[kLegacyRecord] = {};
        if (!file.ReadExact(offset, record, kNeeded)) break;
        auto font = std::make_unique<FontItem>();
        font->m_nType = FT_TRUETYPE;
        font->m_strFullName = TrimRightSpace(FieldText(record, 40, 40));
        std::string folder = FieldText(record + 40, 100, 100);
        if (!folder.empty() && folder[0] == ':') {
            // The CD-ROM drive: without one the path keeps its bare ":" folder and cannot be found.
            if (cdrom) folder.insert(folder.begin(), cdrom);
            font->m_bRemote = 1;
        }
        folder = TrimRightSpace(folder);
        if (!folder.empty() && folder.back() != '\\') folder += '\\';
        font->m_strFilePath = TrimRightSpace(folder + FieldText(record + 140, 14, 12));
        if (HasApp()) TestRemote(*font);
        bool duplicate = false;
        for (FontItem* existing : *group.m_pFonts)
            if (IsSameFontAndFile(*existing, *font)) duplicate = true;
        if (!duplicate) group.m_pFonts->AddTail(std::move(font));
    }
}

bool IsOtherGroupsFile(const FontGroup& group, const std::string& path) {
    if (!HasApp() || !TheApp().m_groupList) return false;
    for (FontGroup* other : *TheApp().m_groupList)
        if (other != &group && platform::EqualNoCase(other->m_strPath, path)) return true;
    return false;
}

// Moves a file to a name that differs from its own only in case, which a plain move refuses
// because the new name resolves to the file itself.
bool RenameCaseOnly(const std::string& from, const std::string& to) {
    std::string temp = platform::FolderOf(from) + "~fgp" + std::to_string(::getpid()) + ".tmp";
    if (!platform::MoveFile(from, temp)) return false;
    if (platform::MoveFile(temp, to)) return true;
    platform::MoveFile(temp, from);
    return false;
}

void Report(platform::WindowHandle owner, const std::string& text, unsigned captionId, unsigned icon) {
    if (!HasApp()) return;
    TheApp().Ui().MessageBox(owner, text, LoadString(captionId), platform::kMbOk | icon);
}

} // namespace

std::string GroupPathRewrite::Apply(const std::string& path) const {
    std::string lower = platform::LowerAnsi(path);
    size_t at = lower.find(platform::LowerAnsi(from));
    if (at == std::string::npos) return lower;
    return lower.substr(0, at) + to + lower.substr(at + from.size());
}

void ParseGroupFile(const ByteSource& file, const std::string& path, FontGroup& group,
                    const GroupPathRewrite& rewrite) {
    group.m_strPath = path;
    char tag[kGroupTagSize] = {};
    file.ReadAt(0, tag, sizeof tag);
    const bool v60 = std::memcmp(tag, "6.0", 3) == 0;
    const bool v61 = std::memcmp(tag, "6.1", 3) == 0;
    if (v60 || v61)
        ReadVersion6(file, v61, group, rewrite);
    else
        ReadLegacy(file, group);
    // A group needs a name to be shown and saved: a damaged or empty name field gives way to the
    // file's own name.
    if (group.m_strName.empty()) group.m_strName = platform::BaseNameOf(path).substr(0, kMaxGroupName);
}

GroupPathRewrite ReadGroupPathRewrite() {
    GroupPathRewrite rewrite;
    std::string settings = SettingsPath();
    if (settings.empty()) return rewrite;
    platform::profile::GetString(settings, kSettingsSection, kReplaceFrom, "", rewrite.from, 260);
    platform::profile::GetString(settings, kSettingsSection, kReplaceTo, "", rewrite.to, 260);
    return rewrite;
}

int ReadGroupFile(const platform::ReadFile& file, const std::string& path, FontGroup& group) {
    GroupPathRewrite rewrite = ReadGroupPathRewrite();
    ParseGroupFile(FileSource(file), path, group, rewrite);
    return 1;
}

std::string GroupFileBytes(const FontGroup& group) {
    std::string out;
    out.reserve(kGroupTagSize + kGroupNameField + group.m_pFonts->GetCount() * kGroupRecord61);
    out.append("6.1", kGroupTagSize);
    char name[kGroupNameField] = {};
    PutField(name, sizeof name, group.m_strName);
    out.append(name, sizeof name);
    std::vector<char> record(kGroupRecord61);
    for (const FontItem* font : *group.m_pFonts) {
        std::fill(record.begin(), record.end(), '\0');
        PutField(record.data(), kGroupStringField, font->m_strFullName);
        PutField(record.data() + kGroupStringField, kGroupStringField, font->m_strFilePath);
        PutInt32(record.data() + kGroupTypeOffset, font->m_nType);
        if (font->m_nType == FT_TYPE1)
            PutField(record.data() + kGroupStyleOffset, kGroupStringField, font->m_strStyle);
        out.append(record.data(), record.size());
    }
    return out;
}

int WriteGroupFile(const std::string& path, const FontGroup& group) {
    return platform::WriteWholeFile(path, GroupFileBytes(group)) ? 1 : 0;
}

int SaveGroup(FontGroup& group, platform::WindowHandle owner) {
    const bool warnings = HasApp() && TheApp().m_bShowWarnings;
    if (group.m_strName.size() > kMaxGroupName) group.m_strName.resize(kMaxGroupName);
    const std::string oldPath = group.m_strPath;
    const bool neverSaved = !oldPath.empty() && oldPath.back() == '\\';
    // Without a program folder there is nowhere to keep the group: it lives in memory only.
    if (!platform::HasDriveLetter(oldPath) || oldPath.find('\\') == std::string::npos) {
        if (warnings)
            Report(owner, FormatString(IDS_GROUP_NO_FOLDER, {group.m_strName}), IDS_CAPTION_WARNING,
                   platform::kMbIconWarning);
        return 0;
    }
    // A name read from a foreign file may hold path characters ("..\\x"): such a group keeps the
    // file it was read from rather than writing outside the program folder.
    const bool nameIsFileName = IsValidGroupName(group.m_strName) && !group.m_strName.empty() &&
                                group.m_strName != "." && group.m_strName != "..";
    if (!nameIsFileName && neverSaved) {
        if (warnings)
            Report(owner, FormatString(IDS_GROUP_READ_ONLY, {oldPath + group.m_strName}), IDS_CAPTION_WARNING,
                   platform::kMbIconWarning);
        return 0;
    }
    const std::string newPath =
        nameIsFileName ? (neverSaved ? oldPath : platform::FolderOf(oldPath)) + group.m_strName + ".FGP"
                       : oldPath;

    enum class Outcome { Saved, Taken, NotRenamed, NotWritten };
    Outcome outcome = Outcome::Saved;
    {
        // The lock covers the file operations only, never a message box.
        platform::ImageLock lock;
        if (IsOtherGroupsFile(group, newPath)) {
            // Another group's file is never overwritten.
            outcome = Outcome::Taken;
        } else if (!neverSaved && oldPath != newPath && platform::FileExists(oldPath) &&
                   !(platform::EqualNoCase(oldPath, newPath) ? RenameCaseOnly(oldPath, newPath)
                                                             : platform::MoveFile(oldPath, newPath))) {
            // The file stays where it was, so the group keeps its old path and its next save
            // tries again.
            outcome = Outcome::NotRenamed;
        } else {
            group.m_strPath = newPath;
            if (!WriteGroupFile(newPath, group)) outcome = Outcome::NotWritten;
        }
    }
    switch (outcome) {
    case Outcome::Saved:
        return 1;
    case Outcome::Taken:
        Report(owner, FormatString(IDS_GROUP_FILE_TAKEN, {newPath}), IDS_CAPTION_ERROR,
               platform::kMbIconError);
        break;
    case Outcome::NotRenamed:
        Report(owner, FormatString(IDS_GROUP_RENAME_FAILED, {oldPath, newPath}), IDS_CAPTION_ERROR,
               platform::kMbIconError);
        break;
    case Outcome::NotWritten:
        if (warnings)
            Report(owner, FormatString(IDS_GROUP_READ_ONLY, {newPath}), IDS_CAPTION_WARNING,
                   platform::kMbIconWarning);
        break;
    }
    return 0;
}

int LoadAllGroups(GroupList& groups) {
    const std::string folder = HasApp() ? TheApp().ProgramFolder() : std::string();
    // Without a program folder there are no group files to read, and no settings to clear.
    if (folder.empty()) return 1;
    GroupPathRewrite rewrite = ReadGroupPathRewrite();
    for (const platform::FoundFile& found : platform::FindFiles(folder + "*.FGP")) {
        if (found.attributes & platform::kAttrDirectory) continue;
        const std::string path = folder + found.name;
        auto file = platform::ReadFile::Open(path);
        if (!file) continue;
        auto group = std::make_unique<FontGroup>();
        ParseGroupFile(FileSource(*file), path, *group, rewrite);
        groups.AddTail(std::move(group));
    }
    // The rewrite is a one-time instruction: store every group as read, then drop both keys.
    if (!rewrite.from.empty())
        for (FontGroup* group : groups) WriteGroupFile(group->m_strPath, *group);
    const std::string settings = SettingsPath();
    platform::profile::Write(settings, kSettingsSection, std::string(kReplaceFrom), std::nullopt);
    platform::profile::Write(settings, kSettingsSection, std::string(kReplaceTo), std::nullopt);
    return 1;
}

FontGroup* FindGroupByName(const GroupList& groups, const std::string& name) {
    const std::string wanted = platform::LowerAnsi(name);
    for (FontGroup* group : groups)
        if (platform::LowerAnsi(group->m_strName) == wanted) return group;
    return nullptr;
}
