#include "print/cups_library.h"

#include <dlfcn.h>

namespace print {

namespace {

struct Loaded {
    CupsLibrary library;
    std::string failure;
};

Loaded load()
{
    Loaded loaded;
    void* handle = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL); // kept open for the program's life
    if (!handle) {
        loaded.failure = dlerror();
        return loaded;
    }
#define TORVANE_CUPS_RESOLVE(name)                                                                                     \
    loaded.library.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));                                   \
    if (!loaded.library.name && loaded.failure.empty()) loaded.failure = "it lacks " #name;
    TORVANE_CUPS_FUNCTIONS(TORVANE_CUPS_RESOLVE)
#undef TORVANE_CUPS_RESOLVE
    return loaded;
}

} // namespace

const CupsLibrary* loadCups(std::string& why)
{
    // Never destroyed: a worker left behind at exit may still be calling in.
    static const Loaded& loaded = *new Loaded(load());
    why = loaded.failure;
    return loaded.failure.empty() ? &loaded.library : nullptr;
}

const CupsLibrary& cups()
{
    std::string why;
    return *loadCups(why);
}

} // namespace print
