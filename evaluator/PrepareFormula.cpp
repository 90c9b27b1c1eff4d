// Formula preparation: the one-time normalisation of a formula text before sampling.
#include "Evaluator.h"
#include "NumberText.h"

#include <algorithm>
#include <array>
#include <numbers>

namespace orvex {

namespace {

// Every insertion into the formula keeps its first 50 characters.
void replaceCut(std::string& text, std::size_t pos, std::size_t count, std::string_view with) {
    text.replace(pos, count, with);
    if (text.size() > kMaxFormulaLength)
        text.resize(kMaxFormulaLength);
}

void unifySeparator(std::string& text, char separator) {
    for (char& c : text)
        if ((c == '.' || c == ',') && c != separator)
            c = separator;
}

void replacePi(std::string& text, char separator) {
    const std::string piText = NumberText(std::numbers::pi_v<long double>, 15, separator);
    for (std::size_t pos = text.find("pi"); pos != std::string::npos; pos = text.find("pi"))
        replaceCut(text, pos, 2, piText);
}

// Bars pair up from left to right: the first becomes "abs(", the next one after it ")". A bar left
// without a partner leaves the bracket open; the evaluator closes it at the end.
void replaceBars(std::string& text) {
    for (std::size_t pos = text.find('|'); pos != std::string::npos; pos = text.find('|')) {
        replaceCut(text, pos, 1, "abs(");
        const std::size_t close = text.find('|', pos + 4);
        if (close != std::string::npos)
            text[close] = ')';
    }
}

// Encloses every maximal run of number characters in "#".
void markNumberTokens(std::string& text, std::string_view vars, char separator) {
    std::array<bool, 256> isNumberChar{};
    for (char c = '0'; c <= '9'; ++c)
        isNumberChar[static_cast<unsigned char>(c)] = true;
    isNumberChar[static_cast<unsigned char>(separator)] = true;
    for (char c : vars)
        isNumberChar[static_cast<unsigned char>(c)] = true;

    std::string out;
    out.reserve(2 * text.size() + 2);
    bool inRun = false;
    for (char c : text) {
        const bool numberChar = isNumberChar[static_cast<unsigned char>(c)];
        if (numberChar != inRun)
            out += '#';
        out += c;
        inRun = numberChar;
    }
    if (inRun)
        out += '#';
    // Insertions push the tail out one character at a time, so the result is the first 50 characters.
    if (out.size() > kMaxFormulaLength)
        out.resize(kMaxFormulaLength);
    text = std::move(out);
}

} // namespace

void PrepareFormula(std::string& formula, std::string_view vars) {
    if (formula.size() > kMaxFormulaLength)
        formula.resize(kMaxFormulaLength);
    const char separator = DecimalSeparator();
    std::erase(formula, ' ');
    for (char& c : formula)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    unifySeparator(formula, separator);
    replacePi(formula, separator);
    std::replace(formula.begin(), formula.end(), ':', '/');
    replaceBars(formula);
    markNumberTokens(formula, vars, separator);
}

} // namespace orvex
