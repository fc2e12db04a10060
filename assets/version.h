/* Version information shared by the two programs' resource scripts and the installer (whose
   build reads these lines, so each stays one #define with one value). */
#pragma once

#define ALTOSTRAT_VERSION_NUMBERS 1, 0, 0, 0
#define ALTOSTRAT_VERSION_TEXT "1.0.0"
#define ALTOSTRAT_PRODUCT_NAME "アルトストラト"
// The name where the user reads English.
#define ALTOSTRAT_ENGLISH_NAME "Altostrat"
// The publisher line of the uninstall entry in the system's list of apps.
#define ALTOSTRAT_PUBLISHER "アルトストラト project"
