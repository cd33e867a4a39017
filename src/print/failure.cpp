#include "print/failure.h"

#include <utility>

namespace print {

namespace {

// The sentence for a page that did not print, for the cause given.
message::Message nothingPrinted(const message::Message& cause)
{
    return {USER_TEXT("print", "%1, so nothing was printed."), {cause}};
}

} // namespace

Failure blocking(message::Message cause)
{
    return {nothingPrinted(cause), std::move(cause)};
}

Failure ofThisPage(const message::Message& cause)
{
    return {nothingPrinted(cause), {}};
}

} // namespace print
