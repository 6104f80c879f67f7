#pragma once
// The help file: plain text holding topics and control popups by context number.
//
//   ; a comment line
//   .topic 1 Title of the topic
//   Text of the topic; a blank line starts a new paragraph.
//   .popup 2
//   Text shown in the popup window of a control.
//
// Text runs to the next directive; leading and trailing blank lines are dropped.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

struct HelpTopic {
    std::string title;
    std::string text;
};

struct HelpFile {
    std::map<uint32_t, HelpTopic> topics;
    std::map<uint32_t, std::string> popups;

    // The topic for a context; nullptr when there is none.
    const HelpTopic* Topic(uint32_t context) const;
    // The popup text for a context, else the text of a topic with that number; "" for none.
    std::string PopupText(uint32_t context) const;
    // The first topic, shown by the contents command.
    uint32_t ContentsContext() const;
};

HelpFile ParseHelpFile(const std::string& text);
// nullopt when the file cannot be read.
std::optional<HelpFile> LoadHelpFile(const std::string& hostPath);
// The program's help file: its own path with the extension of the file name replaced by ".HLP"
// (added when the name has none).
std::string HelpFilePathFor(const std::string& programHostPath);
