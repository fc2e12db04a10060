#pragma once
// Asking the session service whether this session is locked.

#include "common/keeper_photograph.h"

namespace altostrat {

// What the service says of this session now; kUnknown where it cannot say (before Windows 7,
// without the service, under Wine).
SessionLock ReadSessionLock();

}  // namespace altostrat
