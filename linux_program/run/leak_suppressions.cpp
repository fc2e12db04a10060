// Mesa's GLX and software rasteriser keep allocations of their own until the process ends, and
// unload themselves before the leak checker of the sanitizer build looks, which then cannot
// name them. In that build they are kept loaded, so their allocations carry their names, and
// the checker is told to look past them, and only them.
//
// The checker is also told not to follow the thread-local blocks that glibc allocates when a
// library loaded at run time first touches its thread-local variables (LLVM, which the software
// rasteriser brings). GCC 12's runtime guesses such a block's extent from the 16 bytes before
// it whenever its address lies 16 bytes past a page boundary, a rule from glibc 2.19 that no
// longer holds: glibc now takes the block from malloc, so those bytes are the sanitizer's own
// chunk header, read as a start address of about 0x810, and the checker's tracer dies of a
// segmentation fault scanning it at exit. Where the block lands moves with every allocation
// before it (the length of the picture's path was enough), so most runs crashed and some did
// not. Elsewhere the guess gives an empty range, and the blocks are ordinary heap chunks, reached
// through the thread's vector of them like any other: the check itself loses nothing.
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
    return "print_suppressions=0:intercept_tls_get_addr=0";
}
#endif
