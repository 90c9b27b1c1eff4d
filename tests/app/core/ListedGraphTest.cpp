// The recovery file's codec: a round trip keeps every byte of what the list shows; anything else, down to a
// single byte cut off or added, reads as no recovery file at all.
#include "ListedGraph.h"

#include <gtest/gtest.h>

#include <string>

namespace orvex {
namespace {

GraphListState Sample() {
    return {
        {TGraphEntry{"sin(x)", 0x0000FF, 1, 100, 2}, "sin(x)", true},
        {TGraphEntry{"x^2", 0x80000008u, 2, -5, 0}, "x^2", false},
        // an item text as typed in the editor, longer than the record's 50 characters, and not ASCII
        {TGraphEntry{std::string(50, 'x')}, std::string(60, 'x') + "\xD0\xB0", true},
    };
}

TEST(RecoveryCodec, RoundTrip) {
    for (const GraphListState& state : {GraphListState{}, Sample()}) {
        const auto decoded = DecodeRecovery(EncodeRecovery(state));
        ASSERT_TRUE(decoded);
        EXPECT_EQ(*decoded, state);
    }
}

TEST(RecoveryCodec, EveryDamageIsRefused) {
    const std::string good = EncodeRecovery(Sample());
    for (std::size_t cut = 0; cut < good.size(); ++cut)
        EXPECT_FALSE(DecodeRecovery(good.substr(0, cut))) << "cut at " << cut;
    struct Damage {
        const char* what;
        std::size_t at;
        char value;
    };
    const std::size_t count = 17, firstCheck = count + 4 + kGraphRecordSize;
    const Damage damages[] = {
        {"magic", 0, 'o'},
        {"count above the records", count, 4},
        {"check mark neither 0 nor 1", firstCheck, 2},
        {"text length past the end", firstCheck + 1, static_cast<char>(250)},
        {"text length beyond any item", firstCheck + 4, 1},
    };
    for (const Damage& d : damages) {
        std::string bad = good;
        bad[d.at] = d.value;
        EXPECT_FALSE(DecodeRecovery(bad)) << d.what;
    }
    EXPECT_FALSE(DecodeRecovery(good + '\0')) << "a byte after the last graph";
    GraphListState tooMany(kGraphCapacity + 1);
    EXPECT_FALSE(DecodeRecovery(EncodeRecovery(tooMany)));
    tooMany.pop_back();
    EXPECT_TRUE(DecodeRecovery(EncodeRecovery(tooMany)));
}

} // namespace
} // namespace orvex
