#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fortunara {

// The checks a draw record must pass before a writer puts it into the archive, shared by the
// entry, the web import, the download and the archive report: a real date, six distinct main
// numbers 1-90, a jolly 1-90 distinct from them, a superstar 0-90. A superstar of 0 stands for the
// draws before the superstar existed; one equal to a main number or to the jolly is real, since it
// is drawn apart. A number field holds digits and blanks only ("05" and " 5" both read 5).

// Every fault of the record, one Italian text each, in field order; empty for a good draw.
// A text shorter than 25 characters is checked as if padded with blanks.
std::vector<std::string> RecordFaults(std::string_view record);

// The first fault, or "" for a good draw.
std::string RecordFault(std::string_view record);

}  // namespace fortunara
