// A played system (.SSI): any bytes as the file. What is read is what the reader promises; loaded
// by CARICA it hands on only whole tickets, and the guarantees page sees the numbers its tickets hold
// and stand-ins up to 90, whatever its N says; `controllo` checks only a sound system; what
// Presenti's SALVA writes of it reads back as written; the file written back reads the same, and a
// refused write leaves the file byte for byte.
#include <sstream>

#include "app/cli/cli_run.h"
#include "archive/core/draw_archive.h"
#include "checks/core/played_system.h"
#include "systems/core/guarantee_subject.h"
#include "systems/core/sistemi_output.h"
#include "tests/fuzz/system_files.h"
#include "tests/support/temp_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fortunara;
    using fuzz::Expect;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::filesystem::path folder = fuzz::FreshFolder();
    const std::filesystem::path file = folder / "GIOCO.SSI";
    fuzz::WriteBytes(file, bytes);

    const MatrixRead read = ReadSystemFile(file);
    fuzz::CheckRead(read);
    // One state for every input (a fresh one costs more than the rest of the run): CARICA sets every
    // field that what follows reads.
    static ProgramState state;
    state.programFolder = folder;
    const LoadedSystem loaded = LoadPlayedSystem(state, "GIOCO.SSI");
    Expect(loaded.error.empty(), "CARICA reads a file that is there", loaded.error);
    Expect(static_cast<long long>(state.TicketCount) * std::max(state.TicketSize, 0) <=
               static_cast<long long>(state.TicketNumbers.size()) - 1,
           "CARICA hands on only the tickets the file holds");
    const GuaranteeSubject subject = CurrentSystemSubject(state);
    Expect(subject.chosen.size() <= std::max<std::size_t>(90, subject.ticketNumbers.size()),
           "a system is made of the numbers its tickets hold and stand-ins up to 90, whatever its N says");

    const MatrixData saved = CurrentSystemData(state);
    const FileOutcome copy = SaveAsPlayedSystem(state, saved, "COPIA.SSI");
    if (copy.ok()) {
        Expect(fuzz::SameSystem(ReadSystemFile(folder / "COPIA.SSI").data, fuzz::AsWritten(saved)),
               "what SALVA writes reads back as written");
        std::filesystem::remove(folder / "COPIA.SSI");
    }
    fuzz::CheckRewrite(
        file, read.data, [&] { return WriteSystemFile(file, read.data); }, [&] { return ReadSystemFile(file); });

    fuzz::WriteBytes(file, bytes);
    static const std::string archive = fuzz::FileBytes(test::TestData("archive-ten-draws.txt"));
    fuzz::WriteBytes(DrawArchive::ArchivePath(folder), archive);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli({"controllo", "--sistema", file.string(), "--estrazione", "ultima"}, folder, out, err);
    Expect(status == 0 || status == 2, "controllo checks the system or says why not", err.str());
    Expect(status != 0 || read.Sound(), "controllo checks only a sound system", out.str());
    return 0;
}
