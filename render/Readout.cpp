#include "Navigation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

namespace orvex {

namespace {

// The read-out maps the cursor with a margin of 20 pixels on every side.
constexpr int kReadoutMargin = 20;

// |v| as decimal digits d1 d2 ... (18 of them, correctly rounded) and the exponent e with
// |v| = 0.d1d2... * 10^e.
void decimalDigits(long double v, std::string& digits, int& e) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 17);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t ePos = sci.find('e');
    digits.clear();
    for (std::size_t i = 0; i < ePos; ++i)
        if (sci[i] >= '0' && sci[i] <= '9')
            digits += sci[i];
    int exp10 = 0;
    std::from_chars(sci.data() + ePos + (sci[ePos + 1] == '+' ? 2 : 1), sci.data() + sci.size(), exp10);
    e = exp10 + 1;
}

// Rounds the digit string to `keep` digits, half away from zero; a carry out of the first digit gives
// "1" and raises e. Keeping no digit rounds at the place just before the first one.
void roundDigits(std::string& digits, int keep, int& e) {
    if (keep < 0) {
        digits.clear();
        return;
    }
    const bool up =
        static_cast<std::size_t>(keep) < digits.size() && digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (!up)
        return;
    int i = keep - 1;
    while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
        digits[static_cast<std::size_t>(i)] = '0';
        --i;
    }
    if (i < 0) {
        digits = "1";
        ++e;
    } else {
        ++digits[static_cast<std::size_t>(i)];
    }
}

std::string formatReadout(long double v, char separator) {
    const std::string zero = std::string("0") + separator + "00";
    if (!std::isfinite(v) || v == 0)
        return zero;
    std::string digits;
    int e = 0;
    decimalDigits(v, digits, e);
    // Two significant digits, but nothing below the second decimal: one rounding at the nearer place.
    roundDigits(digits, std::min(2, e + 2), e);
    if (digits.find_first_not_of('0') == std::string::npos)
        return zero;

    std::string out = v < 0 ? "-" : "";
    if (e > 2) {
        out += digits[0];
        if (digits.size() > 1 && digits[1] != '0') {
            out += separator;
            out += digits[1];
        }
        const int exponent = e - 1;
        out += 'E';
        if (exponent < 0)
            out += '-';
        const std::string magnitude = std::to_string(std::abs(exponent));
        out += std::string(magnitude.size() < 2 ? 1 : 0, '0') + magnitude;
        return out;
    }
    // The digit that stands for 10^k.
    const auto digitAt = [&](int k) {
        const int i = e - 1 - k;
        return i >= 0 && static_cast<std::size_t>(i) < digits.size() ? digits[static_cast<std::size_t>(i)]
                                                                     : '0';
    };
    if (e <= 0)
        out += '0';
    for (int k = e - 1; k >= 0; --k)
        out += digitAt(k);
    out += separator;
    out += digitAt(-1);
    out += digitAt(-2);
    return out;
}

// Cursor position p in a plot area of `size` pixels mapped onto low..high (`high` at p = margin when
// `reversed`); an area too small to hold the margins shows the midpoint.
long double readoutCoordinate(int p, int size, double low, double high, bool reversed) {
    const long double span = static_cast<long double>(high) - low;
    if (size <= 2 * kReadoutMargin)
        return (static_cast<long double>(low) + high) / 2;
    const long double offset =
        (static_cast<long double>(p) - kReadoutMargin) * span / (size - 2 * kReadoutMargin);
    return reversed ? high - offset : low + offset;
}

} // namespace

std::string FormatReadoutValue(double v, char separator) {
    return formatReadout(v, separator);
}

std::string ReadoutText(int px, int py, int w, int h, const ViewTexts& view, char separator) {
    const ViewLimits limits = ParseLimits(view, separator);
    const long double x = readoutCoordinate(px, w, limits.xmin, limits.xmax, false);
    const long double y = readoutCoordinate(py, h, limits.ymin, limits.ymax, true);
    return "(" + formatReadout(x, separator) + ", " + formatReadout(y, separator) + ")";
}

} // namespace orvex
