#pragma once
// Numbers of the host's built-in pictures (BITMAP resources in host.rc, files in assets/).
// Read by the resource compiler too, so plain macros only.

#define ALTOSTRAT_IDB_SKY 201
#define ALTOSTRAT_IDB_GLOW 202
#define ALTOSTRAT_IDB_PREVIEW_STILL 203
