#include "app/cli/cli_run.h"

#include <exception>
#include <new>

#include "app/cli/cli_catalog.h"
#include "app/cli/cli_command.h"
#include "app/cli/cli_output.h"

namespace fortunara {

int RunCli(const std::vector<std::string>& arguments, const FolderOpener& openFolder, std::ostream& out,
           std::ostream& err, Downloader* downloader, const std::filesystem::path& bundle) {
    const std::string command = FindCommand(arguments, EveryCommandOption().values);
    const CommandEntry* entry = FindCommandEntry(command);
    if (entry == nullptr && !command.empty()) {
        WriteMessage(err, "COMANDO SCONOSCIUTO: " + command);
        PrintUsage(err);
        return kCliError;
    }
    if (AsksForHelp(arguments)) {
        if (entry == nullptr) {
            PrintUsage(out);
        } else {
            PrintCommandUsage(*entry, out);
        }
        return kCliOk;
    }
    if (entry == nullptr) {
        // Without a command the line may still hold a mistake of its own (an unknown option, a
        // flag given a value): that is the one to name.
        std::string mistake = "MANCA IL COMANDO";
        try {
            ParseCliArguments(arguments, EveryCommandOption());
        } catch (const CliError& error) {
            mistake = error.what();
        }
        WriteMessage(err, mistake);
        PrintUsage(err);
        return kCliError;
    }
    CliArguments parsed;
    try {
        parsed = ParseCliArguments(arguments, entry->options);
    } catch (const CliError& error) {
        WriteMessage(err, error.what());
        PrintCommandUsage(*entry, err, false);
        return kCliError;
    }
    const auto folderOption = parsed.Has("--cartella") ? std::optional(parsed.Required("--cartella")) : std::nullopt;
    const std::optional<std::filesystem::path> folder = openFolder(folderOption, err);
    if (!folder) return kCliError;
    try {
        return entry->run(CliContext{*folder, std::move(parsed), out, err, downloader, bundle});
    } catch (const CliError& error) {
        WriteMessage(err, error.what());
    } catch (const std::bad_alloc&) {
        WriteMessage(err, "MEMORIA INSUFFICIENTE");
    } catch (const std::exception& error) {
        // Anything else ends the run in Italian too, never with an abort.
        WriteMessage(err, std::string("ERRORE IMPREVISTO: ") + error.what());
    }
    return kCliError;
}

int RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder, std::ostream& out,
           std::ostream& err, Downloader* downloader, const std::filesystem::path& bundle) {
    return RunCli(
        arguments, [&folder](const std::optional<std::string>&, std::ostream&) { return std::optional(folder); }, out,
        err, downloader, bundle);
}

}  // namespace fortunara
