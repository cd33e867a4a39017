#pragma once
// Memory running out, on one thread: the test program's operator new fails
// when asked to.

namespace ui::testing {

// The next allocation made on the thread of that name fails with
// std::bad_alloc, as when no memory is left; the ones after it succeed.
void failNextAllocationOn(const char* threadName);

} // namespace ui::testing
