#pragma once
// Where the keeper's named objects live: the photograph's section, the one-per-session lock and
// the stop signal. A name in the session's "Local\" space belongs to whichever process of the
// session makes it first, a sandboxed one of the user's included: the keeper would find its lock
// held and not run, or its stop signal made and held by another, who could end it at will. So the
// names live in a private namespace whose boundary is the user's SID and, where Windows knows
// integrity levels, the medium level: only a process of this user at medium integrity or above
// can make or open it, and the namespace itself lets the user alone in, labelled medium. Whoever
// of the keeper, the host and a stop request comes first makes it, the others open it, and it
// lasts while any of them holds it open.
//
// Where Windows has no private namespaces (before Vista; Wine), the names fall back to the
// session's "Local\" space, which earlier versions used. The objects there are made with the
// user alone let in, and any found already made is judged by its security (owner, access list,
// label) before it is used: a squatter can then keep the keeper from running, but never steer it
// nor read a photograph. Where Windows has them but the namespace cannot be made or opened, there
// are no names at all: nothing is shared, rather than shared where others may reach it.

#include <windows.h>

#include <string>

namespace altostrat {

class KeeperNames {
  public:
    KeeperNames();
    ~KeeperNames();
    KeeperNames(const KeeperNames&) = delete;
    KeeperNames& operator=(const KeeperNames&) = delete;

    // The full name of the object NAME (kKeeperPhotographName, ...); "" when there is none.
    std::wstring Of(const char* name) const;
    // The names are the session's shared ones: whatever is found under them must be judged.
    bool Shared() const { return usable_ && space_ == nullptr; }

  private:
    HANDLE boundary_ = nullptr;
    HANDLE space_ = nullptr;
    bool usable_ = false;
};

}  // namespace altostrat
