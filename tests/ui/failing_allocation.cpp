#include "failing_allocation.h"

#include <atomic>
#include <cstddef>
#include <cstring>
#include <new>

#include <dlfcn.h>
#include <pthread.h>

namespace ui::testing {

namespace {

std::atomic<int> failuresLeft{0};
char failingThread[16]; // written before failuresLeft is raised

bool onFailingThread()
{
    char name[16] = {};
    return pthread_getname_np(pthread_self(), name, sizeof name) == 0 && std::strcmp(name, failingThread) == 0;
}

} // namespace

void failNextAllocationOn(const char* threadName)
{
    std::strncpy(failingThread, threadName, sizeof failingThread - 1);
    failuresLeft.store(1, std::memory_order_release);
}

} // namespace ui::testing

// Every other allocation goes to the operator new this one stands in front
// of: the C++ library's, or a sanitizer's, which then pairs it with its
// operator delete.
void* operator new(std::size_t size)
{
    using namespace ui::testing;
    if (failuresLeft.load(std::memory_order_acquire) > 0 && onFailingThread() && failuresLeft.fetch_sub(1) > 0)
        throw std::bad_alloc();
    using New = void* (*)(std::size_t);
    static const New next = reinterpret_cast<New>(dlsym(RTLD_NEXT, "_Znwm"));
    return next(size);
}
