#include "tests/fakes/fake_modal_runner.h"

#include "tests/fakes/test_failure.h"

namespace fortunara::test {

void FakeModalRunner::RunModal(QWidget& window) {
    ++opened_;
    if (script_.empty() && improvise) return improvise(window);
    if (script_.empty()) return ReportUnscripted("una finestra modale che nessuno ha previsto");
    const Action action = std::move(script_.front());
    script_.pop_front();
    action(window);
}

}  // namespace fortunara::test
