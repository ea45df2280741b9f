#include "archive/windows/append_question.h"

#include "archive/core/draw_save.h"
#include "ui/read_error.h"

namespace fortunara {

bool AppendInOrder(Dialogs& dialogs, const std::filesystem::path& programFolder, const std::string& date) {
    const AppendOrder order = CheckAppendOrder(programFolder, date);
    if (!order.error.empty()) {
        ReportReadError(dialogs, order.error);
        return false;
    }
    if (order.InOrder()) return true;
    return dialogs.Message(AppendOrderText(order, date) + "\n" + kAppendOrderQuestion, kReplaceTitle,
                           DialogButtons::YesNoDefaultNo, DialogIcon::Question) == DialogAnswer::Yes;
}

}  // namespace fortunara
