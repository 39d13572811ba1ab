// Preloaded into every process of the sanitizer run. The GL driver and the
// libraries it brings are unloaded when the program closes its display, long
// before the leak check runs at exit; their caches then show up as leaks from an
// unknown module, which no suppression can name. Keeping exactly those modules
// loaded lets the suppression file name the library. Nothing of ours is kept.
#include <dlfcn.h>
#include <link.h>

#include <cstring>

namespace {

// The graphics libraries that the suppression file names (and only those).
const char* const kKept[] = {"/dri/", "libGLX_mesa.so", "libgallium", "libLLVM", "libEGL_mesa.so", "libglapi.so"};

bool Kept(void* handle)
{
    link_map* map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || map->l_name == nullptr)
        return false;
    for (const char* part : kKept)
        if (std::strstr(map->l_name, part) != nullptr)
            return true;
    return false;
}

}  // namespace

extern "C" int dlclose(void* handle)
{
    using Close = int (*)(void*);
    static const Close next = reinterpret_cast<Close>(dlsym(RTLD_NEXT, "dlclose"));
    if (handle != nullptr && Kept(handle))
        return 0;
    return next(handle);
}
