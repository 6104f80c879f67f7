#include "app/GroupJob.h"

#include "groups/GroupFile.h"
#include "groups/InstallGroup.h"
#include "install/engine.h"
#include "platform/broadcast.h"
#include "platform/files.h"
#include "platform/text.h"

#include <cstring>
#include <vector>

GroupJob::GroupJob() : m_pGroup(std::make_unique<FontGroup>()) {}

namespace {

constexpr size_t kMaxToken = kGroupJobFileSize - 1;

void Append(std::string& token, char c) {
    if (token.size() < kMaxToken) token += c;
}

std::vector<std::string> Tokens(const std::string& line) {
    std::vector<std::string> tokens;
    size_t p = 0;
    while (p < line.size() && line[p] == ' ') ++p;
    while (p < line.size()) {
        std::string token;
        char end = ' ';
        if (line[p] == '"') {
            end = '"';
            ++p;
        }
        // Everything up to a period later in the line belongs to this token, blanks and quotes
        // included: an unquoted path with blanks before its extension stays one token.
        size_t period = line.find('.', p);
        if (period != std::string::npos)
            for (; p < period; ++p) Append(token, line[p]);
        for (; p < line.size() && line[p] != end; ++p) Append(token, line[p]);
        if (p < line.size()) ++p; // the end character
        while (p < line.size() && line[p] == ' ') ++p;
        tokens.push_back(token);
    }
    return tokens;
}

} // namespace

GroupJob ParseCommandLine(const std::string& commandLine) {
    GroupJob job;
    std::vector<std::string> tokens = Tokens(commandLine);
    std::string file;
    if (tokens.size() >= 2) {
        const bool switchFirst = !tokens[0].empty() && tokens[0][0] == '/';
        const std::string sw = platform::UpperAnsi(switchFirst ? tokens[0] : tokens[1]);
        file = switchFirst ? tokens[1] : tokens[0];
        const char letter = sw.size() > 1 ? sw[1] : '\0';
        job.m_nMode = letter == 'P' ? 1 : letter == 'T' ? 2 : 3;
    } else if (tokens.size() == 1) {
        file = tokens[0];
        job.m_nMode = 0;
    }
    std::memcpy(job.m_szFile, file.data(), std::min(file.size(), kMaxToken));
    return job;
}

int RunGroupJob(GroupJob& job) {
    if (job.m_szFile[0] == '\0') return GJ_FAILED;
    {
        const std::string path(job.m_szFile);
        auto file = platform::ReadFile::Open(path);
        if (!file) return GJ_FAILED;
        ReadGroupFile(*file, path, *job.m_pGroup);
    }
    int result = GJ_INSTALLED;
    if (job.m_nMode == 1 || job.m_nMode == 2) {
        // The check may leave fonts out of the selection; the group keeps them all.
        FontSelection fonts;
        for (FontItem* font : *job.m_pGroup->m_pFonts) fonts.push_back(font);
        if (!ValidateSelection(fonts)) return GJ_FAILED;
        int copy = 0;
        if (job.m_nMode == 1 && !AskCopyRemote(*job.m_pGroup->m_pFonts, copy)) return GJ_FAILED;
        for (FontItem* font : fonts) {
            int ok =
                job.m_nMode == 1 ? InstallGroupFontPermanent(*font, copy) : InstallGroupFontTemporary(*font);
            if (!ok) result = GJ_FAILED;
        }
    } else {
        result = AskAndInstall(job);
    }
    if (result == GJ_INSTALLED) platform::SendFontChange();
    return result;
}
