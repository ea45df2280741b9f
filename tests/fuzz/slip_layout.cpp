// valori.tab: any bytes as the layout file. Each line read is one box's text; no mark of the
// calibration page wraps around; what SALVA writes of the
// texts read reads back as written (a double quote becomes an apostrophe), and a refused write
// leaves the file byte for byte.
#include <algorithm>

#include "matrices/core/matrix_files.h"
#include "slips/core/slip_layout.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fortunara;
    using fuzz::Expect;
    const std::filesystem::path folder = fuzz::FreshFolder();
    const std::filesystem::path file = SlipLayoutPath(folder);
    fuzz::WriteBytes(file, std::string_view(reinterpret_cast<const char*>(data), size));

    const SlipLayoutRead read = ReadSlipLayout(folder);
    Expect(!read.missing && read.error.empty(), "a layout file that is there is read", read.error);
    SlipLayoutTexts texts;
    bool gap = false;
    for (std::size_t i = 0; i < kSlipValues; ++i) {
        Expect(!gap || !read.texts[i], "the texts read are the file's first lines");
        gap = !read.texts[i];
        texts[i] = read.texts[i].value_or("");
    }
    const SlipLayout layout = LayoutOf(texts);
    const std::vector<SlipMark> marks = CalibrationMarks(layout);
    Expect(marks.size() == kSlipPanels * kHighestNumber, "the calibration page marks every square");
    for (const SlipMark& mark : marks) {
        const PrintMark& m = mark.mark;
        Expect((layout.dx < 0 || m.right >= m.left) && (layout.dy < 0 || m.bottom >= m.top),
               "a mark never wraps around: its far corner lies beyond its near one");
    }

    const fuzz::Snapshot before = fuzz::TakeSnapshot(folder);
    const FileOutcome written = WriteSlipLayout(folder, texts);
    if (!written.ok()) {
        Expect(fuzz::TakeSnapshot(folder) == before, "a refused SALVA changes no file", written.error);
        return 0;
    }
    const SlipLayoutRead again = ReadSlipLayout(folder);
    for (std::size_t i = 0; i < kSlipValues; ++i) {
        std::replace(texts[i].begin(), texts[i].end(), '"', '\'');
        Expect(again.texts[i] == texts[i], "the seven texts saved read back as saved", texts[i]);
    }
    return 0;
}
