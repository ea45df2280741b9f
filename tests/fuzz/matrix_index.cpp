// SISTEMI.TXT: any bytes as the index. An index read ends with "STOP" within its 501 lines, and
// an index that cannot be read holds no names; the lists offer each name under its own quantity
// only; a registration goes through exactly when the check of room says so, a refused one leaves the
// index byte for byte, and a registered name follows the names that were there, which read back as
// they were read (a double quote in a name becomes an apostrophe, as in every quoted text).
#include <algorithm>
#include <set>

#include "matrices/core/matrix_files.h"
#include "matrices/core/matrix_index.h"
#include "matrices/core/matrix_list.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fortunara;
    using fuzz::Expect;
    const std::filesystem::path folder = fuzz::FreshFolder();
    const std::filesystem::path file = MatrixFolder(folder) / "SISTEMI.TXT";
    fuzz::WriteBytes(file, std::string_view(reinterpret_cast<const char*>(data), size));

    const MatrixIndex index = ReadMatrixIndex(folder);
    std::vector<std::string> names = index.Entries();
    if (index.ok()) {
        Expect(!index.lines.empty() && index.lines.size() <= kMatrixIndexLines && index.lines.back() == "STOP",
               "an index read ends with STOP within its 501 lines");
    } else {
        Expect(names.empty(), "an index that cannot be read holds no names");
    }
    // Each name is offered in the list of its quantity, when that is 1 to 90, and in no other.
    std::set<int> quantities;
    std::size_t offered = 0;
    for (const std::string& name : names) {
        const int quantity = MatrixQuantity(name);
        quantities.insert(quantity);
        offered += quantity >= 1 && quantity <= 90 ? 1 : 0;
    }
    std::size_t listed = 0;
    for (const int quantity : quantities) {
        const std::vector<MatrixListEntry> list = MatricesFor(names, quantity);
        listed += list.size();
        Expect(std::all_of(list.begin(), list.end(),
                           [&](const MatrixListEntry& e) { return MatrixQuantity(e.fileName) == quantity; }),
               "a list offers the matrices of its quantity");
        const MatrixButtonPage page = ButtonPage(list, quantity);
        Expect(page.first == 0 || page.first < page.count, "a page of buttons lies within its list");
    }
    Expect(listed == offered, "every name of a quantity 1 to 90 is listed once");

    const FileOutcome room = CheckMatrixRoom(folder);
    Expect(room.ok() == (index.ok() && index.cut.empty() && names.size() < kMatrixIndexCapacity),
           "there is room for a name exactly when the index was read whole and holds fewer than 499");
    const fuzz::Snapshot before = fuzz::TakeSnapshot(folder);
    const FileOutcome registered = RegisterMatrix(folder, "07N00306.SIS");
    Expect(registered.ok() == room.ok(), "a registration goes through where there is room", registered.error);
    if (!registered.ok()) {
        Expect(fuzz::TakeSnapshot(folder) == before, "a refused registration changes no file");
        return 0;
    }
    for (std::string& name : names) std::replace(name.begin(), name.end(), '"', '\'');
    names.push_back("07N00306.SIS");
    const MatrixIndex again = ReadMatrixIndex(folder);
    Expect(again.ok() && again.cut.empty() && again.lines.front().empty() && again.Entries() == names,
           "the names read back in their order, the new one last", again.error);
    Expect(fuzz::TakeSnapshot(folder).size() == 1, "a registration leaves no temporary file");
    return 0;
}
