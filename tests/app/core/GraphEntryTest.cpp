#include "GraphEntry.h"

#include <gtest/gtest.h>

#include <ostream>

namespace orvex {
namespace {

TGraphEntry Entry(std::string formula, std::uint32_t color, bool lines, int quality, int width) {
    return TGraphEntry{std::move(formula), color, lines, quality, width};
}

TEST(GraphRecord, MatchesTheDocumentedBytes) {
    const auto record = EncodeGraphEntry(Entry("sin(x)", 0x000000FF, true, 100, 2));
    std::array<std::uint8_t, kGraphRecordSize> expected{};
    expected[0] = 6;
    for (int i = 0; i < 6; ++i)
        expected[1 + i] = static_cast<std::uint8_t>("sin(x)"[i]);
    expected[52] = 0xFF;
    expected[56] = 1;
    expected[60] = 0x64;
    expected[64] = 2;
    EXPECT_EQ(record, expected);
    EXPECT_EQ(DecodeGraphEntry(record.data()), Entry("sin(x)", 0xFF, true, 100, 2));
}

TEST(GraphRecord, KeepsSignedFieldsAndTopBitColours) {
    const TGraphEntry entry = Entry("x", 0x80000005, false, -7, -1);
    const auto record = EncodeGraphEntry(entry);
    EXPECT_EQ(record[55], 0x80);
    EXPECT_EQ(record[63], 0xFF);
    EXPECT_EQ(DecodeGraphEntry(record.data()), entry);
}

TEST(GraphRecord, CutsFormulasToFiftyBytes) {
    const std::string sixty(60, 'x');
    EXPECT_EQ(CutFormula(sixty), std::string(50, 'x'));
    EXPECT_EQ(CutFormula("x^2"), "x^2");
    const auto record = EncodeGraphEntry(Entry(sixty, 0, false, 100, 1));
    EXPECT_EQ(record[0], 50);
    EXPECT_EQ(record[51], 0); // the padding after the text stays clear
}

TEST(GraphRecord, ReadsAnyNonZeroLinesByteAndClampsTheLength) {
    std::array<std::uint8_t, kGraphRecordSize> record{};
    record.fill('a');
    record[0] = 255;
    record[56] = 7;
    const TGraphEntry entry = DecodeGraphEntry(record.data());
    EXPECT_EQ(entry.Formula, std::string(50, 'a'));
    EXPECT_TRUE(entry.DrawLines);
}

TEST(GraphDocument, RoundTripsInOrder) {
    const std::vector<TGraphEntry> graphs = {Entry("sin(x)", 0xFF, true, 100, 2),
                                             Entry("x^2", 0x00FF00, false, 200, 1),
                                             Entry("\xF1\xE8\xED", 0x123456, true, 1, 5)};
    const std::string bytes = EncodeDocument(graphs);
    ASSERT_EQ(bytes.size(), 3 * kGraphRecordSize);
    const DecodedDocument document = DecodeDocument(bytes);
    EXPECT_EQ(document.entries, graphs);
    EXPECT_EQ(document.droppedRecords, 0u);
}

struct SizeCase {
    std::size_t bytes;
    std::size_t loaded;
    std::size_t dropped;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.bytes << " bytes";
}

class GraphDocumentSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(GraphDocumentSize, LoadsWholeRecordsUpToTheCapacity) {
    const SizeCase c = GetParam();
    const DecodedDocument document = DecodeDocument(std::string(c.bytes, '\x01'));
    EXPECT_EQ(document.entries.size(), c.loaded);
    EXPECT_EQ(document.droppedRecords, c.dropped);
}

INSTANTIATE_TEST_SUITE_P(Sizes, GraphDocumentSize,
                         ::testing::Values(SizeCase{0, 0, 0}, SizeCase{67, 0, 0}, SizeCase{150, 2, 0},
                                           SizeCase{101 * 68, 101, 0}, SizeCase{101 * 68 + 67, 101, 0},
                                           SizeCase{104 * 68 + 10, 101, 3}));

TEST(GraphDocument, EmptyListIsAnEmptyFile) {
    EXPECT_TRUE(EncodeDocument({}).empty());
}

} // namespace
} // namespace orvex
