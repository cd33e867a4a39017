#include "print/failure.h"

#include <utility>

namespace print {

namespace {

// The sentence for a page that did not print, for the cause given.
numeric::Message nothingPrinted(const numeric::Message& cause)
{
    return {USER_TEXT("print", "%1, so nothing was printed."), {cause}};
}

} // namespace

Failure blocking(numeric::Message cause)
{
    return {nothingPrinted(cause), std::move(cause)};
}

Failure ofThisPage(const numeric::Message& cause)
{
    return {nothingPrinted(cause), {}};
}

} // namespace print
