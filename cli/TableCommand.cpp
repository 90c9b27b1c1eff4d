// orvex-cli table: a table of values of one or more formulas, tab-separated, as the panel "Таблица
// значений" computes it.
#include "CliCommand.h"
#include "Cp1251.h"
#include "DelimitedText.h"
#include "NumberText.h"
#include "ValueTable.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace orvex::cli {

namespace {

constexpr const char* kDerivativeOption = "--derivative";

// Removes a flag from the options; true when it was there.
bool takeFlag(CommandArgs& args, const std::string& name) {
    const auto options = args.begin() + static_cast<std::ptrdiff_t>(args.optionCount());
    const auto found = std::find(args.begin(), options, name);
    if (found == options)
        return false;
    args.erase(found);
    return true;
}

long double readOperand(const std::string& text, const char* name) {
    const auto value = ReadNumber(text);
    if (!value)
        throw UsageError(std::string(name) + " '" + text + "' is not a number");
    return *value;
}

const char* faultMessage(TableRangeFault fault) {
    switch (fault) {
    case TableRangeFault::ZeroStep:
        return "STEP is 0";
    case TableRangeFault::AwayFromEnd:
        return "STEP points away from XTO";
    case TableRangeFault::TooManyRows:
        return "more than 1000000 rows would follow";
    case TableRangeFault::OutOfRange:
        return "XFROM, XTO and STEP must lie within the double range";
    case TableRangeFault::None:
        break;
    }
    return "";
}

// A field as the table writes it, with "error: " before an arithmetic error's message.
std::string fieldText(const ValueTable& table, std::size_t row, std::size_t c) {
    if (c == 0)
        return table.text(row, c);
    const ValueCell cell = table.cell(row, c);
    if (cell.kind == ValueCell::Kind::Error)
        return "error: " + cell.error;
    return CellText(cell, ValueTable::kDigits, table.separator());
}

int runTable(CommandArgs& args) {
    TakeDecimalSeparator(args);
    const bool derivatives = takeFlag(args, kDerivativeOption);
    if (args.size() < 4)
        throw UsageError("needs XFROM, XTO, STEP and at least one formula");
    TableRange range;
    range.from = readOperand(args[0], "XFROM");
    range.to = readOperand(args[1], "XTO");
    range.step = readOperand(args[2], "STEP");
    std::vector<std::string> formulas;
    std::vector<std::string> header{"x"};
    for (std::size_t i = 3; i < args.size(); ++i) {
        formulas.push_back(Utf8ToCp1251(args[i]));
        header.push_back(args[i]);
        if (derivatives)
            header.push_back(args[i] + "'");
    }
    const ValueTable table(range, formulas, derivatives, DecimalSeparator());
    if (table.fault() != TableRangeFault::None)
        throw UsageError(faultMessage(table.fault()));

    std::printf("%s\n", TabLine(header).c_str());
    std::vector<std::string> fields(table.columnCount());
    for (std::size_t row = 0; row < table.rowCount(); ++row) {
        for (std::size_t c = 0; c < fields.size(); ++c)
            fields[c] = fieldText(table, row, c);
        std::fputs(TabLine(fields).c_str(), stdout);
        std::fputc('\n', stdout);
    }
    return 0;
}

const CommandRegistrar registrar(
    {"table", "table [--decimal-separator C] [--derivative] XFROM XTO STEP FORMULA [FORMULA...]", runTable});

} // namespace

} // namespace orvex::cli
