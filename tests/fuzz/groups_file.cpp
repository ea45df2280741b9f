// The "Link AND" groups of `sviluppo --gruppi`: any bytes as the file, and the same bytes followed
// by a source that never ends (/dev/zero). A file read gives one column per group, every value
// 0 to 90, and switches the filter on; anything else is refused with a message; an endless source is
// refused too, having read no more than a line's worth beyond the input.
#include <sstream>
#include <streambuf>
#include <string>

#include "app/cli/cli_args.h"
#include "app/cli/cli_groups.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// The input, then zero bytes for ever; counts what was read.
class EndlessSource : public std::streambuf {
public:
    explicit EndlessSource(std::string_view input) : input_(input) {}
    std::size_t Read() const { return read_; }

protected:
    int_type underflow() override {
        buffer_ = read_ < input_.size() ? input_.substr(read_, 4096) : std::string(4096, '\0');
        read_ += buffer_.size();
        setg(buffer_.data(), buffer_.data(), buffer_.data() + buffer_.size());
        return traits_type::to_int_type(buffer_.front());
    }

private:
    std::string_view input_;
    std::string buffer_;
    std::size_t read_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fortunara;
    using fuzz::Expect;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::istringstream file{std::string(input)};
    try {
        const GroupSettings groups = ReadGroups(file);
        Expect(groups.On(), "groups read switch the filter on");
        for (const auto& row : groups.GroupGrid) {
            for (const int value : row) Expect(value >= 0 && value <= 90, "every value of the grid is 0 to 90");
        }
    } catch (const CliError&) {
    }

    EndlessSource endless(input);
    std::istream source(&endless);
    bool refused = false;
    try {
        ReadGroups(source);
    } catch (const CliError&) {
        refused = true;
    }
    Expect(refused && endless.Read() <= size + 2 * 4096 + 4096, "an endless source is refused after a line's worth");
    return 0;
}
