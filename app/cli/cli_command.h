#pragma once

#include <filesystem>
#include <ostream>

#include "app/cli/cli_args.h"
#include "platform/api/downloader.h"

namespace fortunara {

// What every command gets: the program folder, its arguments and the output streams.
struct CliContext {
    std::filesystem::path folder;
    CliArguments arguments;
    std::ostream& out;
    std::ostream& err;
    // For `importa` from a web address; none where the command line has no network.
    Downloader* downloader = nullptr;
    // The bundled program files, for `libreria`; empty where there are none.
    std::filesystem::path bundle;

    bool Csv() const { return arguments.Flag("--csv"); }
};

// Exit statuses of the command line.
inline constexpr int kCliOk = 0;
inline constexpr int kCliFindings = 1;  // verifica found faults
inline constexpr int kCliError = 2;
inline constexpr int kCliCapacityReached = 3;

int RunArchivio(const CliContext& context);
int RunSviluppo(const CliContext& context);
int RunRitardi(const CliContext& context);
int RunPari(const CliContext& context);
int RunSomma(const CliContext& context);
int RunInterruzioni(const CliContext& context);
int RunRicerca(const CliContext& context);
int RunPrevisione(const CliContext& context);
int RunAggiungi(const CliContext& context);
int RunConverti(const CliContext& context);
int RunImporta(const CliContext& context);
int RunVerifica(const CliContext& context);
int RunMetodo(const CliContext& context);
int RunControllo(const CliContext& context);
int RunGaranzia(const CliContext& context);
int RunBuchi(const CliContext& context);
int RunCompleta(const CliContext& context);
int RunOttimizza(const CliContext& context);
int RunMatrici(const CliContext& context);
int RunLibreria(const CliContext& context);
int RunSchedine(const CliContext& context);
int RunGraficoFrequenze(const CliContext& context);
int RunGraficoRitardo(const CliContext& context);
int RunGraficoRitardi(const CliContext& context);
int RunGraficoDistribuzione(const CliContext& context);
int RunGraficoResoconto(const CliContext& context);

}  // namespace fortunara
