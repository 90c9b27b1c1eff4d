#include "Cp1251.h"

#include <array>
#include <cstdint>

namespace orvex {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char32_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, //
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, //
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, //
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

constexpr char32_t kCyrillicA = 0x0410;
constexpr char32_t kCyrillicYa = 0x044F;

char32_t ToUnicode(std::uint8_t byte) {
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return kCyrillicA + (byte - 0xC0);
    return kUpperHalf[byte - 0x80];
}

char FromUnicode(char32_t cp) {
    if (cp < 0x80)
        return static_cast<char>(cp);
    if (cp >= kCyrillicA && cp <= kCyrillicYa)
        return static_cast<char>(0xC0 + (cp - kCyrillicA));
    if (cp != kReplacement) {
        for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
            if (kUpperHalf[i] == cp)
                return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else { // every Windows-1251 character lies in the Basic Multilingual Plane
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::string Cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (const char c : cp1251)
        AppendUtf8(out, ToUnicode(static_cast<std::uint8_t>(c)));
    return out;
}

// A well-formed sequence becomes its character (or '?'); an ill-formed one becomes a single '?' for
// its maximal valid prefix (at least one byte), so decoding always moves on and never reads past the end.
std::string Utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n) {
        const auto lead = static_cast<std::uint8_t>(utf8[i++]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            continue;
        }
        int trailing = 0;
        char32_t cp = 0;
        // Allowed range of the second byte: excludes overlong forms, surrogates and values past U+10FFFF.
        std::uint8_t low = 0x80;
        std::uint8_t high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            trailing = 1;
            cp = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            trailing = 2;
            cp = lead & 0x0F;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            trailing = 3;
            cp = lead & 0x07;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            out += '?';
            continue;
        }
        bool valid = true;
        for (int k = 0; k < trailing; ++k) {
            const auto next = i < n ? static_cast<std::uint8_t>(utf8[i]) : std::uint8_t{0};
            if (i >= n || next < (k == 0 ? low : 0x80) || next > (k == 0 ? high : 0xBF)) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (next & 0x3F);
            ++i;
        }
        out += valid ? FromUnicode(cp) : '?';
    }
    return out;
}

} // namespace orvex
