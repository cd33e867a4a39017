#pragma once
// The print server's name looked up within a deadline. The system's resolver
// cannot be told to stop, so it runs on a thread of its own, which is left to
// finish by itself when its answer comes too late.

#include "print/close_deadline.h"

#include <cups/http.h>

#include <memory>
#include <string>

namespace print {

// The addresses found, shared by every connection made to them.
using Addresses = std::shared_ptr<http_addrlist_t>;

struct LookedUp {
    enum class Outcome { Found, NotFound, TooSlow } outcome;
    Addresses addresses; // set when found
};

// Looks the name up for the port given; a socket path needs no lookup.
LookedUp lookUp(const std::string& name, int port, Clock::time_point by);

// What does the looking up, as the CUPS library's httpAddrGetList does.
using Resolver = http_addrlist_t* (*)(const char* name, int family, const char* service);

// Puts a resolver of a test's own in place of the system's; null puts the
// system's back.
void useResolver(Resolver resolver);

} // namespace print
