// Lines of outside data are read only as far as a format can hold them.
#include "platform/text/bounded_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <vector>

namespace fortunara {
namespace {

struct Read {
    LineRead kind;
    std::string line;
    bool operator==(const Read&) const = default;
};

std::vector<Read> ReadAll(std::istream& in, std::size_t most) {
    std::vector<Read> reads;
    std::string line;
    for (LineRead kind; (kind = ReadBoundedLine(in, line, most)) != LineRead::End;) {
        reads.push_back({kind, line});
        if (kind == LineRead::TooLong) break;
    }
    return reads;
}

TEST(ReadBoundedLine, LineEndsAndTheLimit) {
    const struct {
        const char* name;
        std::string text;
        std::vector<Read> reads;
    } rows[] = {
        {"LF and CR LF", "ab\ncd\r\n\n", {{LineRead::Line, "ab"}, {LineRead::Line, "cd"}, {LineRead::Line, ""}}},
        {"last line without its end", "ab\ncd", {{LineRead::Line, "ab"}, {LineRead::Line, "cd"}}},
        {"empty text", "", {}},
        {"exactly the limit, with CR LF", "abcd\r\nef\n", {{LineRead::Line, "abcd"}, {LineRead::Line, "ef"}}},
        {"one byte over", "abcde\nef\n", {{LineRead::TooLong, "abcd"}}},
        {"a CR inside a line stays", "a\rb\n", {{LineRead::Line, "a\rb"}}},
    };
    for (const auto& row : rows) {
        std::istringstream in(row.text);
        EXPECT_EQ(ReadAll(in, 4), row.reads) << row.name;
    }
}

// A source that never ends a line, counting what was taken from it.
class EndlessZeros : public std::streambuf {
public:
    std::size_t taken = 0;

protected:
    int_type underflow() override {
        setg(block_, block_, block_ + sizeof block_);
        taken += sizeof block_;
        return 0;
    }

private:
    char block_[64] = {};
};

TEST(ReadBoundedLine, AnEndlessLineIsReadNoFurtherThanTheLimit) {
    EndlessZeros zeros;
    std::istream in(&zeros);
    std::string line;
    EXPECT_EQ(ReadBoundedLine(in, line, 4096), LineRead::TooLong);
    EXPECT_EQ(line, std::string(4096, '\0'));
    EXPECT_LE(zeros.taken, 4096u + 2 * 64);
}

}  // namespace
}  // namespace fortunara
