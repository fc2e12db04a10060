#pragma once
// OpenGL and GLU headers for portable code. Windows' gl.h needs two macros that normally come
// from <windows.h>, which portable code does not include; defining them here is enough.

#if defined(_WIN32)
#ifndef APIENTRY
#define APIENTRY __stdcall
#define ALTOSTRAT_DEFINED_APIENTRY
#endif
#ifndef WINGDIAPI
#define WINGDIAPI __declspec(dllimport)
#define ALTOSTRAT_DEFINED_WINGDIAPI
#endif
#ifndef CALLBACK
#define CALLBACK __stdcall
#define ALTOSTRAT_DEFINED_CALLBACK
#endif
#endif

#include <GL/gl.h>
#include <GL/glu.h>

#if defined(ALTOSTRAT_DEFINED_APIENTRY)
#undef APIENTRY
#undef ALTOSTRAT_DEFINED_APIENTRY
#endif
#if defined(ALTOSTRAT_DEFINED_WINGDIAPI)
#undef WINGDIAPI
#undef ALTOSTRAT_DEFINED_WINGDIAPI
#endif
#if defined(ALTOSTRAT_DEFINED_CALLBACK)
#undef CALLBACK
#undef ALTOSTRAT_DEFINED_CALLBACK
#endif

// The calling convention of OpenGL entry points, for the pointers fetched at run time.
#if defined(_WIN32)
#define ALTOSTRAT_GLAPIENTRY __stdcall
#else
#define ALTOSTRAT_GLAPIENTRY
#endif
