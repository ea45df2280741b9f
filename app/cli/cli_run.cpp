#include "app/cli/cli_run.h"

#include <exception>
#include <new>

#include "app/cli/cli_catalog.h"
#include "app/cli/cli_command.h"

namespace fortunara {

int RunCli(const std::vector<std::string>& arguments, const FolderOpener& openFolder, std::ostream& out,
           std::ostream& err, Downloader* downloader, const std::filesystem::path& bundle) {
    const std::string command = FindCommand(arguments);
    const CommandEntry* entry = FindCommandEntry(command);
    if (entry == nullptr && !command.empty()) {
        err << "COMANDO SCONOSCIUTO: " << command << '\n';
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
        err << "MANCA IL COMANDO\n";
        PrintUsage(err);
        return kCliError;
    }
    CliArguments parsed;
    try {
        parsed = ParseCliArguments(arguments, entry->options);
    } catch (const CliError& error) {
        err << error.what() << '\n';
        PrintCommandUsage(*entry, err, false);
        return kCliError;
    }
    const auto folderOption = parsed.Has("--cartella") ? std::optional(parsed.Required("--cartella")) : std::nullopt;
    const std::optional<std::filesystem::path> folder = openFolder(folderOption, err);
    if (!folder) return kCliError;
    try {
        return entry->run(CliContext{*folder, std::move(parsed), out, err, downloader, bundle});
    } catch (const CliError& error) {
        err << error.what() << '\n';
    } catch (const std::bad_alloc&) {
        err << "MEMORIA INSUFFICIENTE\n";
    } catch (const std::exception& error) {
        // Anything else ends the run in Italian too, never with an abort.
        err << "ERRORE IMPREVISTO: " << error.what() << '\n';
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
