#pragma once
// Whether the OpenGL implementation offers a second texture unit (the ARB multitexture
// extension), decided once at scene set-up, and the two entry points the frame drawing then
// uses. Without them the frame drawing takes its single-unit path.

#include <functional>
#include <string>

#include "flight/gl/gl_headers.h"

namespace altostrat {

using ActiveTextureArbProc = void(ALTOSTRAT_GLAPIENTRY*)(GLenum texture);
using MultiTexCoord2fArbProc = void(ALTOSTRAT_GLAPIENTRY*)(GLenum target, GLfloat s, GLfloat t);

constexpr GLenum kTexture0Arb = 0x84C0;
constexpr GLenum kTexture1Arb = 0x84C1;

struct MultitextureState {
    bool multitextureAvailable = false;  // the extension is listed and both entry points exist
    ActiveTextureArbProc glActiveTextureARB = nullptr;
    MultiTexCoord2fArbProc glMultiTexCoord2fARB = nullptr;
};

// The platform's lookup of extension entry points by name (wglGetProcAddress on Windows);
// null for a name it does not know.
using GetProcAddressFunction = std::function<void*(const char* name)>;

// True when name is exactly one of the words of list, which are separated by line feeds. Empty
// words are skipped; a word that only begins with name, or contains it, does not count.
bool HasExtension(const std::string& list, const std::string& name);

// The probe over a given extension string (null counts as empty): fills state and gives
// state.multitextureAvailable. Entry points are looked up only when the extension is listed,
// and kept only when both are there.
bool ProbeMultitextureIn(const char* extensions, const GetProcAddressFunction& getProcAddress,
                         MultitextureState& state);

// The probe over the current rendering context's extension string.
bool ProbeMultitexture(const GetProcAddressFunction& getProcAddress, MultitextureState& state);

}  // namespace altostrat
