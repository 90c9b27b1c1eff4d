#include "DelimitedText.h"

namespace orvex {

char CsvSeparator(char decimalSeparator) {
    return decimalSeparator == ',' ? ';' : ',';
}

std::string CsvLine(const std::vector<std::string>& fields, char separator) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += separator;
        const std::string& field = fields[i];
        if (field.find_first_of(std::string{separator, '"', '\n', '\r'}) == std::string::npos) {
            line += field;
            continue;
        }
        line += '"';
        for (const char c : field) {
            if (c == '"')
                line += '"';
            line += c;
        }
        line += '"';
    }
    return line;
}

std::string TabLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += '\t';
        for (const char c : fields[i])
            line += c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
    }
    return line;
}

} // namespace orvex
