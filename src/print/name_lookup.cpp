#include "print/name_lookup.h"

#include "print/cups_library.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace print {

namespace {

std::atomic<Resolver> testResolver{nullptr};

Addresses shared(http_addrlist_t* found)
{
    return Addresses(found, [](http_addrlist_t* list) { cups().httpAddrFreeList(list); });
}

// One lookup, between the thread that asks and the thread that answers.
struct Pending {
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;
    Addresses found;
};

} // namespace

LookedUp lookUp(const std::string& name, int port, Clock::time_point by)
{
    const std::string service = std::to_string(port);
    const auto outcome = [](const Addresses& found) {
        return LookedUp{found ? LookedUp::Outcome::Found : LookedUp::Outcome::NotFound, found};
    };
    if (name.starts_with('/')) return outcome(shared(cups().httpAddrGetList(name.c_str(), AF_UNSPEC, service.c_str())));

    Resolver resolve = testResolver.load();
    if (!resolve) resolve = cups().httpAddrGetList;

    auto pending = std::make_shared<Pending>();
    std::thread([pending, resolve, name, service] {
        Addresses found = shared(resolve(name.c_str(), AF_UNSPEC, service.c_str()));
        const std::lock_guard lock(pending->mutex);
        pending->found = std::move(found);
        pending->done = true;
        pending->answered.notify_one();
    }).detach();
    std::unique_lock lock(pending->mutex);
    if (!pending->answered.wait_until(lock, by, [&] { return pending->done; }))
        return {LookedUp::Outcome::TooSlow, nullptr};
    return outcome(pending->found);
}

void useResolver(Resolver resolver)
{
    testResolver = resolver;
}

} // namespace print
