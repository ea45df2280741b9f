#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace fortunara {

enum class LineRead { Line, End, TooLong };

// Reads the next line of `in` into `line`, without its line end (LF, or CR LF). A line longer than
// `most` bytes stops the reading right there and gives TooLong, `line` holding its first `most`
// bytes: a reader of outside data never holds, nor reads, more than its format can hold, even from
// a device or a pipe that never ends a line. End when nothing is left.
LineRead ReadBoundedLine(std::istream& in, std::string& line, std::size_t most);

}  // namespace fortunara
