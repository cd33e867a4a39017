#pragma once
// The CUPS library, loaded on the first print rather than with the program:
// it brings TLS, Kerberos and DNS-SD libraries whose loading would add tens
// of milliseconds to every start. The functions keep the types of the CUPS
// headers, so every call is checked as if linked.

#include <cups/cups.h>

#include <string>

namespace print {

// clang-format off
#define TORVANE_CUPS_FUNCTIONS(X) \
    X(cupsAddOption) \
    X(cupsEncodeOptions2) \
    X(cupsEncryption) \
    X(cupsFreeOptions) \
    X(cupsGetOption) \
    X(cupsGetResponse) \
    X(cupsLastErrorString) \
    X(cupsParseOptions) \
    X(cupsSendRequest) \
    X(cupsServer) \
    X(cupsSetPasswordCB2) \
    X(cupsSetServer) \
    X(cupsSetUser) \
    X(cupsUser) \
    X(cupsWriteRequestData) \
    X(httpAddrFreeList) \
    X(httpAddrGetList) \
    X(httpClose) \
    X(httpConnect2) \
    X(httpError) \
    X(httpFlush) \
    X(httpGetFd) \
    X(httpGetField) \
    X(httpGetState) \
    X(httpGetStatus) \
    X(httpReconnect2) \
    X(httpSetTimeout) \
    X(ippAddBoolean) \
    X(ippAddInteger) \
    X(ippAddString) \
    X(ippAddStrings) \
    X(ippAttributeString) \
    X(ippDelete) \
    X(ippErrorString) \
    X(ippFindAttribute) \
    X(ippFirstAttribute) \
    X(ippGetBoolean) \
    X(ippGetCount) \
    X(ippGetGroupTag) \
    X(ippGetInteger) \
    X(ippGetName) \
    X(ippGetStatusCode) \
    X(ippGetString) \
    X(ippGetValueTag) \
    X(ippLength) \
    X(ippNewRequest) \
    X(ippNextAttribute) \
    X(ippPort) \
    X(pwgMediaForLegacy) \
    X(pwgMediaForPPD) \
    X(pwgMediaForPWG)
// clang-format on

struct CupsLibrary {
#define TORVANE_CUPS_POINTER(name) decltype(&::name) name = nullptr;
    TORVANE_CUPS_FUNCTIONS(TORVANE_CUPS_POINTER)
#undef TORVANE_CUPS_POINTER
};

// Loads the library once, from any thread. Null when it could not be loaded,
// with the reason in why.
const CupsLibrary* loadCups(std::string& why);

// The library, once loadCups has found it loaded.
const CupsLibrary& cups();

} // namespace print
