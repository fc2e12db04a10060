// Mesa's GLX and software rasteriser keep allocations of their own until the process ends, and
// unload themselves before the leak checker of the sanitizer build looks, which then cannot
// name them. In that build they are kept loaded, so their allocations carry their names, and
// the checker is told to look past them, and only them.
#if defined(__SANITIZE_ADDRESS__)
#include <dlfcn.h>

namespace {

__attribute__((constructor)) void KeepMesaLoaded() {
    const char* const libraries[] = {"libGLX_mesa.so.0", "libglapi.so.0",
                                     "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"};
    for (const char* library : libraries) {
        dlopen(library, RTLD_LAZY | RTLD_NODELETE);
    }
}

}  // namespace

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libGLX_mesa.so\nleak:swrast_dri.so\nleak:libLLVM\nleak:libglapi.so\n"
           "leak:libX11.so\n";
}
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}
#endif
