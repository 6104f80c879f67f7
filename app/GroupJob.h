#pragma once
// The group job: a group file named on the command line (or by a group icon) is installed without
// the main window, permanently, temporarily, or after asking the user.
#include "groups/FontGroup.h"

#include <memory>
#include <string>

enum GroupJobResult : int {
    GJ_INSTALLED = 1, // every font was installed
    GJ_FAILED = 2,    // the file could not be read, the user stopped, or a font failed
    GJ_LAUNCH = 3,    // the user asked for the main window
    GJ_CANCELLED = 4, // the user cancelled the dialog
};

constexpr size_t kGroupJobFileSize = 260;

struct GroupJob {
    GroupJob();
    // 0 no switch, 1 permanent ("/P"), 2 temporary ("/T"), 3 ask (any other switch letter).
    int m_nMode = 2;
    // Receives the group read from the file.
    std::unique_ptr<FontGroup> m_pGroup;
    char m_szFile[kGroupJobFileSize] = {};
};

// Splits the command line into the group file and its switch. Text before the first period of the
// rest of the line belongs to the current token, so an unquoted path with blanks stays whole.
GroupJob ParseCommandLine(const std::string& commandLine);
// Reads the job's group file and installs its group as the mode says; one of GroupJobResult.
int RunGroupJob(GroupJob& job);
