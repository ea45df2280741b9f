#include "app/cli/cli_folder.h"

#include <cstdlib>
#include <system_error>

#include "app/cli/cli_output.h"
#include "app/program/program_folder.h"
#include "app/program/startup.h"

namespace fortunara {

std::optional<std::filesystem::path> OpenCliFolder(const std::optional<std::string>& option, std::ostream& err) {
    const char* home = std::getenv("FORTUNARA_HOME");
    const std::optional<std::string> environment = home ? std::optional<std::string>(home) : std::nullopt;
    const bool named = (option && !option->empty()) || (environment && !environment->empty());
    if (named) {
        const std::filesystem::path folder = ChooseProgramFolder(option, environment, {});
        std::error_code error;
        if (!std::filesystem::exists(folder, error)) {
            WriteMessage(err, "LA CARTELLA " + folder.string() + " NON ESISTE");
            return std::nullopt;
        }
    }
    const PreparedFolder prepared = PrepareProgramFolder(option);
    if (!prepared.error.empty()) {
        WriteMessage(err, prepared.error);
        return std::nullopt;
    }
    return prepared.folder;
}

}  // namespace fortunara
