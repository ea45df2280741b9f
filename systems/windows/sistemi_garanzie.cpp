// "COMPLETA" of the tab "Garanzie": the system completed becomes the one in the grid.
#include <QLineEdit>

#include "platform/text/number_text.h"
#include "systems/core/guarantee_subject.h"
#include "systems/windows/sistemi.h"
#include "systems/windows/system_grid_model.h"

namespace fortunara {

void Sistemi::AdoptTickets(const std::vector<int>& added) {
    std::vector<std::vector<int>> rows = model_->Combinations();
    const int quantity = NumericValue(Textbox1->text().toStdString());
    // A development in the grid grows as a development, so that "SALVA" keeps the added tickets; a
    // loaded system grows in the grid, where "CONTROLLO" and "SCHEDINE" take it.
    const bool developed = static_cast<int>(rows.size()) == memory_.developedCount &&
                           AppendDevelopedTickets(state_, quantity, memory_.developedCount, added) >= 0;
    if (developed) memory_.developedCount = state_.SystemComboCount;
    for (std::size_t first = 0; first + 6 <= added.size(); first += 6) {
        rows.emplace_back(added.begin() + static_cast<std::ptrdiff_t>(first),
                          added.begin() + static_cast<std::ptrdiff_t>(first + 6));
    }
    model_->SetCombinations(rows, developed ? SystemGridModel::CellForm::Plain : SystemGridModel::CellForm::TextForm);
}

}  // namespace fortunara
