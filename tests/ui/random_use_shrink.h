#pragma once
// Delta debugging: from a list of actions that makes a run fail, finds a much
// shorter one that still does, by replaying parts of it.

#include <functional>
#include <vector>

namespace ui::random_use {

using Actions = std::vector<int>;

// `failing` must end with the action at which the failure showed. Tries the
// shortest tails first (a failure usually needs only the last few actions),
// then drops ever smaller pieces of the best list so far. Stops early when
// `outOfTime` says so and returns the shortest list known to fail.
Actions shrink(Actions failing, const std::function<bool(const Actions&)>& stillFails,
               const std::function<bool()>& outOfTime);

} // namespace ui::random_use
