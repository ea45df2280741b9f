#pragma once

#include <cstddef>

namespace fortunara {

// A position, count or subscript of the development as an index into its arrays.
constexpr std::size_t Index(int i) {
    return static_cast<std::size_t>(i);
}

}  // namespace fortunara
