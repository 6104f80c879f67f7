#pragma once
// Group files: "6.1" (written), "6.0" and the untagged legacy layout (read), one file per group in
// the program folder, named after the group with the extension ".FGP".
#include "fontdata/ByteSource.h"
#include "groups/FontGroup.h"
#include "platform/files.h"
#include "platform/ui.h"

#include <cstdint>
#include <string>

// Layout of the files.
constexpr size_t kGroupTagSize = 3;
constexpr size_t kGroupNameField = 128;
constexpr size_t kGroupStringField = 260;
constexpr size_t kGroupRecord61 = 784;
constexpr size_t kGroupRecord60 = 524;
constexpr size_t kGroupTypeOffset = 520;
constexpr size_t kGroupStyleOffset = 524;
constexpr size_t kLegacyFirstRecord = 232;
constexpr size_t kLegacyRecord = 192;

// The one-time rewrite of font paths asked for by GroupReplaceTextFrom / GroupReplaceTextTo.
struct GroupPathRewrite {
    std::string from;
    std::string to;
    bool Active() const { return !from.empty() && !to.empty(); }
    // The path lower-cased, with the first occurrence of `from` (lower-cased) replaced by `to`.
    std::string Apply(const std::string& path) const;
};

// Fills the group from the bytes of a group file of any version. `path` is the file's path; it
// becomes m_strPath. Never fails: a file that ends early gives the fonts of its complete records,
// and a file without a name takes its file's base name.
void ParseGroupFile(const ByteSource& file, const std::string& path, FontGroup& group,
                    const GroupPathRewrite& rewrite);

// The rewrite the settings ask for (inactive without settings).
GroupPathRewrite ReadGroupPathRewrite();

// Fills the group from an open group file, with the path rewrite the settings ask for. Returns 1.
int ReadGroupFile(const platform::ReadFile& file, const std::string& path, FontGroup& group);
// The bytes of the group in version "6.1". Longer names and strings are cut to fit their fields.
std::string GroupFileBytes(const FontGroup& group);
// Replaces the file at `path` with the group in version "6.1"; fails on a read-only file.
int WriteGroupFile(const std::string& path, const FontGroup& group);
// Gives a new group its file, or moves the file of a renamed group to the new name, then rewrites
// it. Failures are reported to the user (owned by `owner`); the group in memory keeps its changes.
int SaveGroup(FontGroup& group, platform::WindowHandle owner);
// Reads every group file of the program folder into the list, then applies and removes the
// one-time path rewrite of the settings.
int LoadAllGroups(GroupList& groups);
// The group of that name, compared without regard to case; nullptr when there is none.
FontGroup* FindGroupByName(const GroupList& groups, const std::string& name);
