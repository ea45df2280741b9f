#pragma once

#include <deque>
#include <functional>

#include "platform/api/modal_runner.h"

namespace fortunara::test {

// Plays the user's part in modal windows: each window the program shows modal gets the next
// scripted action, called with the window on screen; the window counts as closed when the action
// returns. No modal loop ever runs. A modal window nobody scripted is reported as a failure and
// closed at once.
class FakeModalRunner : public ModalRunner {
public:
    using Action = std::function<void(QWidget& window)>;

    void Expect(Action action) { script_.push_back(std::move(action)); }
    void RunModal(QWidget& window) override;

    // A monkey's part: when set, a modal window nobody scripted is handed to it, and closes when
    // it returns.
    Action improvise;

    int opened() const { return opened_; }
    std::size_t pending() const { return script_.size(); }

private:
    std::deque<Action> script_;
    int opened_ = 0;
};

}  // namespace fortunara::test
