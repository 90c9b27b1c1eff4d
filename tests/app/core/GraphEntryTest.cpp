#include "GraphEntry.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

// sin(x), red, lines, width 2, quality 100.
TEST(GraphRecord, MatchesTheDocumentedBytesAndHoldsAtMostFiftyFormulaBytes) {
    const TGraphEntry entry{"sin(x)", 0x000000FF, true, 100, 2};
    std::array<std::uint8_t, kGraphRecordSize> expected{6, 's', 'i', 'n', '(', 'x', ')'};
    expected[52] = 0xFF;
    expected[56] = 1;
    expected[60] = 0x64;
    expected[64] = 2;
    EXPECT_EQ(EncodeGraphEntry(entry), expected);
    EXPECT_EQ(DecodeGraphEntry(expected.data()), entry);
    const auto written = EncodeGraphEntry(TGraphEntry{std::string(60, 'x'), 0, false, 100, 1});
    EXPECT_EQ(written[0], 50); // at most 50 formula bytes
    EXPECT_EQ(written[51], 0); // the padding after the text stays clear
    // A length byte above 50 counts as 50; the lines byte is kept as read (any non-zero value means lines).
    std::array<std::uint8_t, kGraphRecordSize> read{};
    read.fill('a');
    read[0] = 255;
    read[56] = 2;
    EXPECT_EQ(DecodeGraphEntry(read.data()).Formula, std::string(50, 'a'));
    EXPECT_EQ(EncodeGraphEntry(DecodeGraphEntry(read.data()))[56], 2);
}

TEST(GraphDocument, RoundTripsInOrderAndLoadsWholeRecordsUpToTheCapacity) {
    const std::vector<TGraphEntry> graphs = {{"sin(x)", 0xFF, true, 100, 2},
                                             {"x^2", 0x00FF00, false, 200, 1},
                                             {"\xF1\xE8\xED", 0x123456, true, 1, 5}};
    const std::string bytes = EncodeDocument(graphs);
    ASSERT_EQ(bytes.size(), 3 * kGraphRecordSize);
    EXPECT_EQ(DecodeDocument(bytes).entries, graphs);
    EXPECT_TRUE(EncodeDocument({}).empty());
    // Whole records only, up to the 101 of the table; the complete records beyond it are counted.
    const std::size_t cases[][3] = {
        {0, 0, 0}, {67, 0, 0}, {150, 2, 0}, {101 * 68 + 67, 101, 0}, {104 * 68 + 10, 101, 3}};
    for (const auto& [size, loaded, dropped] : cases) {
        const DecodedDocument document = DecodeDocument(std::string(size, '\x01'));
        EXPECT_EQ(document.entries.size(), loaded) << size;
        EXPECT_EQ(document.droppedRecords, dropped) << size;
    }
}

} // namespace
} // namespace orvex
