#pragma once

#include <functional>

namespace fortunara::test {

// Sets up the offscreen application, then runs the given Qt Test object(s).
int RunWindowTests(int argc, char** argv, const std::function<int(int, char**)>& run);

}  // namespace fortunara::test
