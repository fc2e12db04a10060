#pragma once
// wlroots' layer shell protocol for C++: its generated header names a parameter "namespace",
// a word C++ keeps for itself, so the word is renamed while the header is read.

#define namespace layer_namespace
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace
