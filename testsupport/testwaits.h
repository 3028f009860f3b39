#pragma once

namespace lume::test {

// How long a test waits for a signal, a pipe or a state before it gives up. It is no guess at how
// long the awaited thing takes, only a net against a hang: long enough for a sanitized build on a
// machine whose cores are all busy, short of the test's own time limit.
inline constexpr int SafetyNetMs = 120000;

} // namespace lume::test
