#pragma once

#include "platform/api/clipboard.h"

namespace fortunara {

// The desktop clipboard (texts in UTF-8).
class QtClipboard : public Clipboard {
public:
    void Clear() override;
    void SetText(const std::string& text) override;
    std::string Text() const override;
};

}  // namespace fortunara
