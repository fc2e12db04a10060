#include "host/text/cp932.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "common/utf8.h"

namespace altostrat {

namespace {

constexpr int kTrailCount = 192;  // trail bytes 0x40-0xFF
constexpr std::uint16_t kDoubleByte[][kTrailCount] = {
#include "host/text/cp932_table.inc"
};
constexpr int kLeadCount = sizeof(kDoubleByte) / sizeof(kDoubleByte[0]);
static_assert(kLeadCount == 60, "one row per lead byte 0x81-0x9F, 0xE0-0xFC");

int LeadRow(unsigned char lead) {
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
}

// Single bytes beyond ASCII: the half-width katakana, and the four bytes Windows maps into the
// private use area so that they survive a round trip.
char32_t SingleByteCharacter(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte >= 0xA1 && byte <= 0xDF) {
        return 0xFF61 + (byte - 0xA1);
    }
    switch (byte) {
        case 0x80:
            return 0x0080;
        case 0xA0:
            return 0xF8F0;
        case 0xFD:
            return 0xF8F1;
        case 0xFE:
            return 0xF8F2;
        case 0xFF:
            return 0xF8F3;
        default:
            return kCp932Unknown;
    }
}

using ReverseEntry = std::pair<char32_t, std::uint16_t>;

// Unicode to code bytes, sorted by character. Where several codes give one character (the NEC
// and IBM extensions repeat some), the one Windows writes wins: the lowest code, except that the
// NEC-selected rows 0xED and 0xEE yield to the IBM rows 0xFA-0xFC.
std::vector<ReverseEntry> BuildReverse() {
    std::vector<ReverseEntry> entries;
    for (int row = 0; row < kLeadCount; ++row) {
        const int lead = row < 31 ? 0x81 + row : 0xE0 + (row - 31);
        for (int t = 0; t < kTrailCount; ++t) {
            if (kDoubleByte[row][t] != 0) {
                entries.emplace_back(kDoubleByte[row][t],
                                     static_cast<std::uint16_t>(lead << 8 | (0x40 + t)));
            }
        }
    }
    const auto rank = [](std::uint16_t code) {
        const int lead = code >> 8;
        return std::make_pair(lead == 0xED || lead == 0xEE ? 1 : 0, code);
    };
    std::sort(entries.begin(), entries.end(), [&](const ReverseEntry& a, const ReverseEntry& b) {
        return a.first != b.first ? a.first < b.first : rank(a.second) < rank(b.second);
    });
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const ReverseEntry& a, const ReverseEntry& b) {
                                  return a.first == b.first;
                              }),
                  entries.end());
    return entries;
}

const std::vector<ReverseEntry>& Reverse() {
    static const std::vector<ReverseEntry> table = BuildReverse();  // read-only once built
    return table;
}

}  // namespace

bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsCp932TrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

char32_t Cp932Character(unsigned char lead, unsigned char trail) {
    if (!IsCp932LeadByte(lead) || !IsCp932TrailByte(trail)) {
        return 0;
    }
    return kDoubleByte[LeadRow(lead)][trail - 0x40];
}

bool Cp932Bytes(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return true;
    }
    if (c >= 0xFF61 && c <= 0xFF9F) {
        out += static_cast<char>(0xA1 + (c - 0xFF61));
        return true;
    }
    static constexpr std::array<std::pair<char32_t, unsigned char>, 5> kSingles = {
        {{0x0080, 0x80}, {0xF8F0, 0xA0}, {0xF8F1, 0xFD}, {0xF8F2, 0xFE}, {0xF8F3, 0xFF}}};
    for (const auto& single : kSingles) {
        if (single.first == c) {
            out += static_cast<char>(single.second);
            return true;
        }
    }
    const auto& table = Reverse();
    const auto it = std::lower_bound(
        table.begin(), table.end(), ReverseEntry{c, 0},
        [](const ReverseEntry& a, const ReverseEntry& b) { return a.first < b.first; });
    if (it == table.end() || it->first != c) {
        return false;
    }
    out += static_cast<char>(it->second >> 8);
    out += static_cast<char>(it->second & 0xFF);
    return true;
}

std::string Cp932ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(bytes[i]);
        if (!IsCp932LeadByte(byte)) {
            AppendUtf8(out, SingleByteCharacter(byte));
            continue;
        }
        if (i + 1 < bytes.size() && IsCp932TrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
            const char32_t c = Cp932Character(byte, static_cast<unsigned char>(bytes[i + 1]));
            AppendUtf8(out, c != 0 ? c : kCp932Unknown);
            ++i;
        } else {
            AppendUtf8(out, kCp932Unknown);
        }
    }
    return out;
}

std::string Utf8ToCp932(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        if (!Cp932Bytes(NextUtf8(text, pos), out)) {
            out += '?';
        }
    }
    return out;
}

std::optional<std::string> Utf8ToCp932Exactly(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t c = NextUtf8(text, pos);
        if ((c == kReplacementCharacter && pos == start + 1) || !Cp932Bytes(c, out)) {
            return std::nullopt;
        }
    }
    return out;
}

}  // namespace altostrat
