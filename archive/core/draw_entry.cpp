#include "archive/core/draw_entry.h"

#include <algorithm>

#include "platform/text/number_text.h"

namespace fortunara {

std::optional<int> ReadPromptNumber(std::string_view text) {
    return WholeNumber(text, 90);
}

DrawEntry::Step DrawEntry::Take(const std::optional<std::string>& answer) {
    taken_.reset();
    takenPosition_ = 0;
    if (!answer) return Step::Stop;
    const std::optional<int> value = ReadPromptNumber(*answer);
    if (!value) return Step::AskAgain;
    if (*value == 0) return Step::Stop;
    const auto index = static_cast<std::size_t>(position_);
    numbers_[index] = *value;
    taken_ = *value;
    takenPosition_ = position_;
    if (position_ <= 7) {
        const auto earlier = numbers_.begin() + 1;
        const auto here = numbers_.begin() + position_;
        if (std::find(earlier, here, *value) != here) return Step::AskAgain;
    }
    ++position_;
    return position_ > 8 ? Step::Done : Step::Next;
}

}  // namespace fortunara
