#include "properties/InfoLines.h"

#include "resources/strings.h"

namespace {

std::string Unknown() {
    return LoadString(IDS_UNKNOWN);
}

std::string OrUnknown(const std::string& s) {
    return s.empty() ? Unknown() : s;
}

std::string CountOrUnknown(int32_t n) {
    return n != 0 ? std::to_string(n) : Unknown();
}

} // namespace

std::string WeightName(int weight) {
    switch (weight) {
    case 100:
        return "Thin";
    case 200:
        return "Extra Light (Ultra Light)";
    case 300:
        return "Light";
    case 400:
        return "Normal (Regular)";
    case 500:
        return "Medium";
    case 600:
        return "Semi Bold (Demi Bold)";
    case 700:
        return "Bold";
    case 800:
        return "Extra Bold (Ultra Bold)";
    case 900:
        return "Black (Heavy)";
    default:
        return Unknown();
    }
}

// Lines are built at their full length: a long path or name is never cut.
std::vector<std::string> InfoLines(const FontItem& item) {
    std::vector<std::string> lines;
    lines.push_back("Full Name:\t" + OrUnknown(item.m_strFullName));
    lines.push_back("Family Name:\t" + OrUnknown(item.m_strFamilyName));
    lines.push_back("Postscript Name:\t" + OrUnknown(item.m_strPostScriptName));
    lines.push_back("File Name:\t" + OrUnknown(item.m_strFilePath));
    if (item.m_nFileSize == -1 || item.m_nFileSize == 0)
        lines.push_back("File Size:\t\t" + Unknown());
    else
        lines.push_back("File Size:\t\t" + std::to_string(item.m_nFileSize) + " bytes");

    if (item.m_nType == FT_TYPE1) {
        lines.push_back("Font Type:\tType 1");
        return lines;
    }
    if (item.m_nType != FT_TRUETYPE) return lines;
    lines.push_back("Font Type:\tTrueType");

    lines.push_back(" ");
    lines.push_back("Other Information:");
    if (item.m_bHasPanose == 1) {
        std::string line = "Panose #:\t";
        for (int i = 0; i < 10; ++i) {
            if (i) line += ' ';
            line += std::to_string(item.m_panose[i]);
        }
        lines.push_back(line);
    } else {
        lines.push_back("Font has no PANOSE Encoding");
    }
    const int weight = item.m_textMetric.tmWeight;
    lines.push_back("Weight:\t\t" + WeightName(weight) + " -> " + std::to_string(weight));
    lines.push_back("Glyphs:\t\t" + CountOrUnknown(item.m_nGlyphs));
    lines.push_back("Maximum Points:\t" + CountOrUnknown(item.m_nMaxPoints));
    lines.push_back("Maximum Contours:\t" + CountOrUnknown(item.m_nMaxContours));
    lines.push_back("Kern Pairs:\t" + std::to_string(item.m_nKernPairs));
    lines.push_back(item.m_bEmbeddable ? "Font Can be Embedded" : "Font Cannot be Embedded");
    if (item.m_textMetric.tmItalic) lines.push_back("Font is Italic");
    if (item.m_textMetric.tmUnderlined) lines.push_back("Font is Underlined");
    if (item.m_textMetric.tmStruckOut) lines.push_back("Font is StruckOut");

    auto tables = [&](const char* heading, int from, int to) {
        lines.push_back(" ");
        lines.push_back(heading);
        lines.push_back(" ");
        for (int t = from; t < to; ++t)
            lines.push_back(std::string("\t") + kTableTags[t] +
                            (item.m_bTable[t] ? "\tis Present" : "\tis Missing"));
    };
    tables("Required TrueType Tables:", 0, kRequiredTableCount);
    tables("Optional TrueType Tables:", kRequiredTableCount, kTableCount);
    return lines;
}
