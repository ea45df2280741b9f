#pragma once

#include <string>

#include "platform/api/clipboard.h"

namespace fortunara::test {

class FakeClipboard : public Clipboard {
public:
    void Clear() override { text.clear(); }
    void SetText(const std::string& value) override { text = value; }
    std::string Text() const override { return text; }

    std::string text;
};

}  // namespace fortunara::test
