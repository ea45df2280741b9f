#pragma once

#include "platform/api/modal_runner.h"

namespace fortunara {

// A dialog runs its own loop; any other window gets a local loop that ends when it closes or hides.
class QtModalRunner : public ModalRunner {
public:
    void RunModal(QWidget& window) override;
};

}  // namespace fortunara
