#include "platform/collate.h"

#include <string>
#include <vector>

namespace platform {

namespace {

enum Accent : unsigned char {
    kNone,
    kGrave,
    kAcute,
    kCircumflex,
    kTilde,
    kDiaeresis,
    kRing,
    kCedilla,
    kCaron,
    kStroke,
    kLigature,
    kOrdinal,
};

// Letters of 0xC0..0xFF: base letter(s) in lower case and the accent; "" for the two symbols.
struct Latin1Letter {
    const char* base;
    Accent accent;
};
const Latin1Letter kLatin1Upper[32] = {
    {"a", kGrave},      {"a", kAcute},     {"a", kCircumflex}, {"a", kTilde},     {"a", kDiaeresis},
    {"a", kRing},       {"ae", kLigature}, {"c", kCedilla},    {"e", kGrave},     {"e", kAcute},
    {"e", kCircumflex}, {"e", kDiaeresis}, {"i", kGrave},      {"i", kAcute},     {"i", kCircumflex},
    {"i", kDiaeresis},  {"d", kStroke},    {"n", kTilde},      {"o", kGrave},     {"o", kAcute},
    {"o", kCircumflex}, {"o", kTilde},     {"o", kDiaeresis},  {"", kNone},       {"o", kStroke},
    {"u", kGrave},      {"u", kAcute},     {"u", kCircumflex}, {"u", kDiaeresis}, {"y", kAcute},
    {"th", kLigature},  {"ss", kLigature},
};

// The lower-case letters 0xE0..0xFF follow the upper-case order, but for 0xFF (y diaeresis)
// where the upper half has the sharp s.
Latin1Letter Latin1Of(unsigned char c) {
    if (c == 0xFF) return {"y", kDiaeresis};
    return kLatin1Upper[(c - 0xC0) % 32];
}

struct Weight {
    unsigned primary;
    unsigned char secondary;
    unsigned char tertiary; // 1 for upper case
};

struct SortKey {
    std::vector<Weight> weights;
    std::string ignored; // hyphens, apostrophes and control characters, in order
};

void AddLetters(SortKey& key, const char* base, Accent accent, bool upper) {
    for (const char* p = base; *p; ++p)
        key.weights.push_back(
            {0x400u + static_cast<unsigned>(*p - 'a'), accent, static_cast<unsigned char>(upper ? 1 : 0)});
}

SortKey MakeKey(std::string_view text) {
    SortKey key;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '-' || c == '\'' || c == 0xAD || c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D ||
            c == 0x8F || c == 0x90 || c == 0x9D) {
            key.ignored += ch;
        } else if (c >= 'a' && c <= 'z') {
            key.weights.push_back({0x400u + (c - 'a'), kNone, 0});
        } else if (c >= 'A' && c <= 'Z') {
            key.weights.push_back({0x400u + (c - 'A'), kNone, 1});
        } else if (c >= '0' && c <= '9') {
            key.weights.push_back({0x300u + (c - '0'), kNone, 0});
        } else if (c == 0xB9 || c == 0xB2 || c == 0xB3) {
            key.weights.push_back({0x300u + (c == 0xB9 ? 1u : c == 0xB2 ? 2u : 3u), kOrdinal, 0});
        } else if (c == 0x8A || c == 0x9A) {
            AddLetters(key, "s", kCaron, c == 0x8A);
        } else if (c == 0x8E || c == 0x9E) {
            AddLetters(key, "z", kCaron, c == 0x8E);
        } else if (c == 0x8C || c == 0x9C) {
            AddLetters(key, "oe", kLigature, c == 0x8C);
        } else if (c == 0x9F) {
            AddLetters(key, "y", kDiaeresis, true);
        } else if (c == 0xAA || c == 0xBA) {
            AddLetters(key, c == 0xAA ? "a" : "o", kOrdinal, false);
        } else if (c >= 0xC0 && Latin1Of(c).base[0] != '\0') {
            // 0xDF (sharp s) is a lower-case letter although it sits among the capitals.
            const Latin1Letter letter = Latin1Of(c);
            AddLetters(key, letter.base, letter.accent, c < 0xE0 && c != 0xDF);
        } else {
            // Blanks and symbols sort before digits, in the order of their codes.
            key.weights.push_back({0x100u + c, kNone, 0});
        }
    }
    return key;
}

template <typename Get> int CompareLevel(const SortKey& a, const SortKey& b, Get get) {
    const size_t n = a.weights.size() < b.weights.size() ? a.weights.size() : b.weights.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned x = get(a.weights[i]), y = get(b.weights[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.weights.size() != b.weights.size()) return a.weights.size() < b.weights.size() ? -1 : 1;
    return 0;
}

int CompareBytes(std::string_view a, std::string_view b) {
    const int r = a.compare(b);
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

int Compare(std::string_view a, std::string_view b, bool withCase) {
    const SortKey ka = MakeKey(a), kb = MakeKey(b);
    if (int r = CompareLevel(ka, kb, [](const Weight& w) { return w.primary; })) return r;
    if (int r = CompareLevel(ka, kb, [](const Weight& w) { return unsigned(w.secondary); })) return r;
    if (withCase)
        if (int r = CompareLevel(ka, kb, [](const Weight& w) { return unsigned(w.tertiary); })) return r;
    if (int r = CompareBytes(ka.ignored, kb.ignored)) return r;
    return withCase ? CompareBytes(a, b) : 0;
}

} // namespace

int CompareStringAnsi(std::string_view a, std::string_view b) {
    return Compare(a, b, true);
}

int CompareStringAnsiNoCase(std::string_view a, std::string_view b) {
    return Compare(a, b, false);
}

} // namespace platform
