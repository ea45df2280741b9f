#include "platform/text/bounded_line.h"

namespace fortunara {

LineRead ReadBoundedLine(std::istream& in, std::string& line, std::size_t most) {
    using Traits = std::istream::traits_type;
    line.clear();
    std::streambuf& bytes = *in.rdbuf();
    Traits::int_type c = bytes.sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) {
        in.setstate(std::ios::eofbit);
        return LineRead::End;
    }
    for (; !Traits::eq_int_type(c, Traits::eof()) && Traits::to_char_type(c) != '\n'; c = bytes.sbumpc()) {
        // One byte beyond the limit is taken, since it may be the CR of the line end.
        if (line.size() > most) {
            line.resize(most);
            return LineRead::TooLong;
        }
        line += Traits::to_char_type(c);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > most) {
        line.resize(most);
        return LineRead::TooLong;
    }
    return LineRead::Line;
}

}  // namespace fortunara
