#pragma once
// The CUPS library, loaded on the first print rather than with the program:
// it brings TLS, Kerberos and DNS-SD libraries whose loading would add tens
// of milliseconds to every start. The functions keep the types of the CUPS
// headers, so every call is checked as if linked.

#include <cups/cups.h>

#include <string>

namespace print {

#define TORVANE_CUPS_FUNCTIONS(X)                                                                                      \
    X(cupsAddOption)                                                                                                   \
    X(cupsCancelDestJob)                                                                                               \
    X(cupsCopyDestInfo)                                                                                                \
    X(cupsCreateDestJob)                                                                                               \
    X(cupsDoRequest) X(cupsEncryption) X(cupsFinishDestDocument) X(cupsFreeDestInfo) X(cupsFreeDests)                  \
        X(cupsFreeOptions) X(cupsGetNamedDest) X(cupsGetOption) X(cupsLastError) X(cupsLastErrorString)                \
            X(cupsParseOptions) X(cupsServer) X(cupsSetPasswordCB2) X(cupsSetServer) X(cupsSetUser)                    \
                X(cupsStartDestDocument) X(cupsUser) X(cupsWriteRequestData) X(httpAddrFreeList) X(httpAddrGetList)    \
                    X(httpClose) X(httpConnect2) X(httpSetTimeout) X(ippAddInteger) X(ippAddString) X(ippAddStrings)   \
                        X(ippDelete) X(ippFindAttribute) X(ippGetBoolean) X(ippGetCount) X(ippGetInteger)              \
                            X(ippGetString) X(ippNewRequest) X(ippPort) X(pwgMediaForLegacy) X(pwgMediaForPPD)         \
                                X(pwgMediaForPWG)

struct CupsLibrary {
#define TORVANE_CUPS_POINTER(name) decltype(&::name) name = nullptr;
    TORVANE_CUPS_FUNCTIONS(TORVANE_CUPS_POINTER)
#undef TORVANE_CUPS_POINTER
};

// Loads the library once, from any thread. Null when it could not be loaded,
// with the reason in why.
const CupsLibrary* loadCups(std::string& why);

} // namespace print
