/* Version information shared by the two programs' resource scripts. */
#pragma once

#define ALTOSTRAT_VERSION_NUMBERS 1, 0, 0, 0
#define ALTOSTRAT_VERSION_TEXT "1.0.0"
#define ALTOSTRAT_PRODUCT_NAME "アルトストラト"
