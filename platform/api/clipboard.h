#pragma once

#include <string>

namespace fortunara {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void Clear() = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() const = 0;
};

}  // namespace fortunara
