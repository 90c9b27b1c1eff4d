#include "NumberText.h"

#include "ArithmeticError.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>
#include <system_error>

namespace orvex {

namespace {

char g_explicitSeparator = '\0';

bool isDigit(char c) { return c >= '0' && c <= '9'; }

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

void SetDecimalSeparator(char separator) { g_explicitSeparator = separator; }

std::string NumberText(long double v, int digits, char separator) {
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v < 0 ? "-INF" : "INF";
    if (v == 0)
        return "0";
    digits = std::clamp(digits, 1, 18);

    // 18 significant digits of the magnitude, correctly rounded, independent of the C locale.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 17);
    const std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
    const size_t ePos = sci.find('e');
    std::string mantissa;
    for (size_t i = 0; i < ePos; ++i)
        if (isDigit(sci[i]))
            mantissa += sci[i];
    int exp10 = 0;
    std::from_chars(sci.data() + ePos + (sci[ePos + 1] == '+' ? 2 : 1), sci.data() + sci.size(), exp10);
    int e = exp10 + 1; // |v| = 0.d1d2... * 10^e

    // Cut to the wanted digits, rounding half up on the decimal digits.
    std::string d = mantissa.substr(0, static_cast<size_t>(digits));
    if (mantissa[static_cast<size_t>(digits)] >= '5') {
        int i = digits - 1;
        while (i >= 0 && d[static_cast<size_t>(i)] == '9') {
            d[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d = "1";
            ++e;
        } else {
            ++d[static_cast<size_t>(i)];
        }
    }
    while (d.size() > 1 && d.back() == '0')
        d.pop_back();

    std::string out = v < 0 ? "-" : "";
    if (e >= -3 && e <= digits) {
        if (e <= 0) {
            out += '0';
            out += separator;
            out.append(static_cast<size_t>(-e), '0');
            out += d;
        } else {
            const auto ue = static_cast<size_t>(e);
            if (d.size() < ue)
                d.append(ue - d.size(), '0');
            out += d.substr(0, ue);
            if (d.size() > ue) {
                out += separator;
                out += d.substr(ue);
            }
        }
    } else {
        out += d[0];
        if (d.size() > 1) {
            out += separator;
            out += d.substr(1);
        }
        out += 'E';
        out += std::to_string(e - 1);
    }
    return out;
}

std::optional<long double> ReadNumber(std::string_view text, char separator) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t intStart = i;
    while (i < n && isDigit(text[i]))
        ++i;
    const std::string_view intDigits = text.substr(intStart, i - intStart);
    bool hasSeparator = false;
    std::string_view fracDigits;
    if (i < n && text[i] == separator) {
        hasSeparator = true;
        const size_t fracStart = ++i;
        while (i < n && isDigit(text[i]))
            ++i;
        fracDigits = text.substr(fracStart, i - fracStart);
    }
    if (intDigits.empty() && fracDigits.empty() && !hasSeparator)
        return std::nullopt;
    bool expNegative = false;
    std::string_view expDigits;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            expNegative = text[i] == '-';
            ++i;
        }
        const size_t expStart = i;
        while (i < n && isDigit(text[i]))
            ++i;
        expDigits = text.substr(expStart, i - expStart);
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;

    // Significant digits without leading zeros, and the decimal exponent of the first of them.
    std::string digits(intDigits);
    digits += fracDigits;
    long long pointShift = static_cast<long long>(intDigits.size());
    const size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return negative ? -0.0L : 0.0L;
    digits.erase(0, firstNonZero);
    pointShift -= static_cast<long long>(firstNonZero);

    long long exponent = 0;
    for (char c : expDigits) {
        exponent = exponent * 10 + (c - '0');
        if (exponent > 1'000'000'000LL)
            break; // far outside the extended range either way
    }
    if (expNegative)
        exponent = -exponent;
    const long long magnitude = pointShift + exponent; // value = 0.digits * 10^magnitude
    if (magnitude > 5000)
        return std::nullopt;
    if (magnitude < -5000)
        return negative ? -0.0L : 0.0L;

    // Hand a plain C-locale text to from_chars.
    std::string plain = "0.";
    plain += digits;
    plain += 'e';
    plain += std::to_string(magnitude);
    long double value = 0;
    const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        if (magnitude < 0)
            return negative ? -0.0L : 0.0L;
        return std::nullopt;
    }
    if (res.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

long double StrToFloat(std::string_view text, char separator) {
    if (const auto v = ReadNumber(text, separator))
        return *v;
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

std::optional<int> ReadInteger(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t start = i;
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
