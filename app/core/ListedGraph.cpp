#include "ListedGraph.h"

#include <cstdint>

namespace orvex {

namespace {

constexpr std::string_view kMagic = "ORVEX-RECOVERY 1\n";
// An item text longer than this is no text the editor produced.
constexpr std::uint32_t kMaxItemText = 64 * 1024;

void putU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFFu);
}

// Reads what the file holds in order; every read fails once the bytes run out.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool take(std::size_t n, std::string_view& out) {
        if (bytes_.size() - pos_ < n)
            return false;
        out = bytes_.substr(pos_, n);
        pos_ += n;
        return true;
    }
    bool u32(std::uint32_t& v) {
        std::string_view b;
        if (!take(4, b))
            return false;
        v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(b[static_cast<std::size_t>(i)]);
        return true;
    }
    [[nodiscard]] bool atEnd() const { return pos_ == bytes_.size(); }

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

} // namespace

std::string EncodeRecovery(const GraphListState& graphs) {
    std::string out(kMagic);
    putU32(out, static_cast<std::uint32_t>(graphs.size()));
    for (const ListedGraph& g : graphs) {
        const auto record = EncodeGraphEntry(g.entry);
        out.append(reinterpret_cast<const char*>(record.data()), record.size());
        out += g.checked ? '\1' : '\0';
        putU32(out, static_cast<std::uint32_t>(g.itemText.size()));
        out += g.itemText;
    }
    return out;
}

std::optional<GraphListState> DecodeRecovery(std::string_view bytes) {
    Reader in(bytes);
    std::string_view magic;
    std::uint32_t count = 0;
    if (!in.take(kMagic.size(), magic) || magic != kMagic || !in.u32(count) || count > kGraphCapacity)
        return std::nullopt;
    GraphListState graphs;
    graphs.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string_view record, check, text;
        std::uint32_t length = 0;
        if (!in.take(kGraphRecordSize, record) || !in.take(1, check) || (check[0] != 0 && check[0] != 1) ||
            !in.u32(length) || length > kMaxItemText || !in.take(length, text))
            return std::nullopt;
        ListedGraph g;
        g.entry = DecodeGraphEntry(reinterpret_cast<const std::uint8_t*>(record.data()));
        g.checked = check[0] == 1;
        g.itemText = std::string(text);
        graphs.push_back(std::move(g));
    }
    if (!in.atEnd())
        return std::nullopt;
    return graphs;
}

} // namespace orvex
