#include "NumberText.h"

#include "ArithmeticError.h"
#include "DecimalDigits.h"
#include "NumberTextBuffer.h"
#include "PowersOfTen.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace orvex {

namespace {

char g_explicitSeparator = '\0';

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr std::array<std::uint64_t, 20> kPowersOfTen64 = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes d < 10^count as exactly `count` digits, two at a time.
void writeDigits(std::uint32_t d, int count, char* out) {
    int i = count;
    while (i >= 2) {
        const std::uint32_t pair = d % 100;
        d /= 100;
        out[--i] = kDigitPairs[2 * pair + 1];
        out[--i] = kDigitPairs[2 * pair];
    }
    if (i == 1)
        out[0] = static_cast<char>('0' + d % 10);
}

// The same for up to 18 digits, in independent chunks of eight done in 32-bit arithmetic.
void writeDigits(std::uint64_t d, int count, char* out) {
    constexpr std::uint64_t kTen8 = 100'000'000;
    if (count <= 8) {
        writeDigits(static_cast<std::uint32_t>(d), count, out);
        return;
    }
    writeDigits(static_cast<std::uint32_t>(d % kTen8), 8, out + count - 8);
    writeDigits(d / kTen8, count - 8, out);
}

// The syntactic parts of a number text.
struct NumberParts {
    bool negative = false;
    std::string_view intDigits;
    std::string_view fracDigits;
    bool expNegative = false;
    std::string_view expDigits;
};

// Splits text by the number-reading rule; false when it is not a number text.
bool splitNumber(std::string_view text, char separator, NumberParts& parts) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        parts.negative = text[i] == '-';
        ++i;
    }
    const std::size_t intStart = i;
    while (i < n && isDigit(text[i]))
        ++i;
    parts.intDigits = text.substr(intStart, i - intStart);
    bool hasSeparator = false;
    if (i < n && text[i] == separator) {
        hasSeparator = true;
        const std::size_t fracStart = ++i;
        while (i < n && isDigit(text[i]))
            ++i;
        parts.fracDigits = text.substr(fracStart, i - fracStart);
    }
    if (parts.intDigits.empty() && parts.fracDigits.empty() && !hasSeparator)
        return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            parts.expNegative = text[i] == '-';
            ++i;
        }
        const std::size_t expStart = i;
        while (i < n && isDigit(text[i]))
            ++i;
        parts.expDigits = text.substr(expStart, i - expStart);
    }
    while (i < n && text[i] == ' ')
        ++i;
    return i == n;
}

// The exponent digits as a number, saturated far outside the extended range.
long long exponentValue(const NumberParts& parts) {
    long long exponent = 0;
    for (char c : parts.expDigits) {
        exponent = exponent * 10 + (c - '0');
        if (exponent > 1'000'000'000LL)
            break;
    }
    return parts.expNegative ? -exponent : exponent;
}

// Texts of up to 19 significant digits with a small exponent: one correctly rounded multiplication or
// division of two exact operands. False when the text needs the general path.
bool readShortNumber(const NumberParts& parts, long double& value) {
    std::uint64_t mantissa = 0;
    int taken = 0;
    long long dropped = 0;
    auto feed = [&](std::string_view digits) {
        for (char c : digits) {
            if (mantissa == 0 && c == '0')
                continue;
            if (taken < 19) {
                mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
                ++taken;
            } else if (c == '0') {
                ++dropped;
            } else {
                return false;
            }
        }
        return true;
    };
    if (!feed(parts.intDigits) || !feed(parts.fracDigits))
        return false;
    if (mantissa == 0) {
        value = parts.negative ? -0.0L : 0.0L;
        return true;
    }
    const long long scale = dropped - static_cast<long long>(parts.fracDigits.size()) + exponentValue(parts);
    if (scale > detail::kMaxExactPower || scale < -detail::kMaxExactPower)
        return false;
    value = detail::ScaledByPowerOfTen(static_cast<long double>(mantissa), static_cast<int>(scale));
    if (parts.negative)
        value = -value;
    return true;
}

// The usual number texts in one pass: no blanks, at most 19 significant digits, a small exponent.
// False when the text needs the general path (which also decides whether it is a number at all).
bool readPlainNumber(std::string_view text, char separator, long double& value) {
    const char* p = text.data();
    const char* const end = p + text.size();
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+')) {
        negative = *p == '-';
        ++p;
    }
    std::uint64_t mantissa = 0;
    int taken = 0;
    long long scale = 0;
    bool any = false;
    auto digitRun = [&](bool fraction) {
        for (; p < end && isDigit(*p); ++p) {
            any = true;
            if (fraction)
                --scale;
            if (mantissa == 0 && *p == '0')
                continue;
            if (++taken > 19)
                return false;
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
        }
        return true;
    };
    if (!digitRun(false))
        return false;
    if (p < end && *p == separator) {
        any = true;
        ++p;
        if (!digitRun(true))
            return false;
    }
    if (!any)
        return false;
    if (p < end && (*p == 'E' || *p == 'e')) {
        ++p;
        bool expNegative = false;
        if (p < end && (*p == '-' || *p == '+')) {
            expNegative = *p == '-';
            ++p;
        }
        long long exponent = 0;
        for (; p < end && isDigit(*p); ++p)
            if ((exponent = exponent * 10 + (*p - '0')) > 100000)
                return false;
        scale += expNegative ? -exponent : exponent;
    }
    if (p != end)
        return false;
    if (mantissa == 0) {
        value = negative ? -0.0L : 0.0L;
        return true;
    }
    if (scale > detail::kMaxExactPower || scale < -detail::kMaxExactPower)
        return false;
    value = detail::ScaledByPowerOfTen(static_cast<long double>(mantissa), static_cast<int>(scale));
    if (negative)
        value = -value;
    return true;
}

// Any other number text: the digits handed to from_chars as a plain C-locale text.
std::optional<long double> readLongNumber(const NumberParts& parts) {
    const long double zero = parts.negative ? -0.0L : 0.0L;
    std::string digits(parts.intDigits);
    digits += parts.fracDigits;
    long long pointShift = static_cast<long long>(parts.intDigits.size());
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return zero;
    digits.erase(0, firstNonZero);
    pointShift -= static_cast<long long>(firstNonZero);

    const long long magnitude = pointShift + exponentValue(parts); // value = 0.digits * 10^magnitude
    if (magnitude > 5000)
        return std::nullopt;
    if (magnitude < -5000)
        return zero;

    std::string plain = "0.";
    plain += digits;
    plain += 'e';
    plain += std::to_string(magnitude);
    long double value = 0;
    const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        if (magnitude < 0)
            return zero;
        return std::nullopt;
    }
    if (res.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return parts.negative ? -value : value;
}

} // namespace

char DecimalSeparator() {
    if (g_explicitSeparator != '\0')
        return g_explicitSeparator;
    const std::lconv* lc = std::localeconv();
    if (lc != nullptr && lc->decimal_point != nullptr && lc->decimal_point[0] != '\0' &&
        lc->decimal_point[1] == '\0')
        return lc->decimal_point[0];
    return '.';
}

void SetDecimalSeparator(char separator) {
    g_explicitSeparator = separator;
}

namespace detail {

std::size_t WriteNumberText(char* out, long double v, int digits, char separator) {
    char* p = out;
    auto put = [&p](std::string_view s) {
        for (char c : s)
            *p++ = c;
    };
    if (std::isnan(v)) {
        put("NAN");
        return static_cast<std::size_t>(p - out);
    }
    if (std::isinf(v)) {
        put(v < 0 ? "-INF" : "INF");
        return static_cast<std::size_t>(p - out);
    }
    if (v == 0) {
        *p++ = '0';
        return 1;
    }
    digits = std::clamp(digits, 1, kExtendedDigits);

    // 18 digits first, then cut to the wanted count rounding half up on the decimal digits.
    const DecimalDigits full = ExtendedDigits(v);
    std::uint64_t d = full.digits;
    int e = full.exponent; // |v| = 0.d1d2... * 10^e
    if (digits == 15) {
        d = detail::CutDigits(d, 1000, e); // the evaluator's count, with a constant divisor
    } else if (digits < kExtendedDigits) {
        d = detail::CutDigits(d, kPowersOfTen64[static_cast<std::size_t>(kExtendedDigits - digits)], e);
    }
    char ds[kExtendedDigits];
    writeDigits(d, digits, ds);
    int count = digits;
    while (count > 1 && ds[count - 1] == '0')
        --count;
    const std::string_view text(ds, static_cast<std::size_t>(count));

    if (v < 0)
        *p++ = '-';
    if (e >= -3 && e <= digits) {
        if (e <= 0) {
            *p++ = '0';
            *p++ = separator;
            for (int i = 0; i < -e; ++i)
                *p++ = '0';
            put(text);
        } else if (count <= e) {
            put(text);
            for (int i = count; i < e; ++i)
                *p++ = '0';
        } else {
            put(text.substr(0, static_cast<std::size_t>(e)));
            *p++ = separator;
            put(text.substr(static_cast<std::size_t>(e)));
        }
    } else {
        *p++ = text[0];
        if (count > 1) {
            *p++ = separator;
            put(text.substr(1));
        }
        *p++ = 'E';
        const int shown = e - 1;
        if (shown < 0)
            *p++ = '-';
        char buf[16];
        const auto res = std::to_chars(buf, buf + sizeof buf, shown < 0 ? -shown : shown);
        put(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
    }
    return static_cast<std::size_t>(p - out);
}

} // namespace detail

std::string NumberText(long double v, int digits, char separator) {
    char buf[detail::kNumberTextCapacity];
    return std::string(buf, detail::WriteNumberText(buf, v, digits, separator));
}

std::optional<long double> ReadNumber(std::string_view text, char separator) {
    long double value = 0;
    if (readPlainNumber(text, separator, value))
        return value;
    NumberParts parts;
    if (!splitNumber(text, separator, parts))
        return std::nullopt;
    if (readShortNumber(parts, value))
        return value;
    return readLongNumber(parts);
}

long double StrToFloat(std::string_view text, char separator) {
    if (const auto v = ReadNumber(text, separator))
        return *v;
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

std::optional<int> ReadInteger(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    long long value = 0;
    while (i < n && isDigit(text[i])) {
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL)
            return std::nullopt;
        ++i;
    }
    if (i == start)
        return std::nullopt;
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

int StrToInt(std::string_view text) {
    if (const auto v = ReadInteger(text))
        return *v;
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

} // namespace orvex
