#include "common/win32/keeper_names.h"

#include <sddl.h>

#include <vector>

#include "common/keeper_photograph.h"
#include "common/win32/keeper_section.h"
#include "common/win32/user_sid.h"
#include "common/win32/wide_text.h"

namespace altostrat {
namespace {

// Looked up at run time: Windows before Vista has none of them, Windows Vista no integrity label
// for a boundary, and Wine 8 makes no boundary.
using CreateBoundaryFn = HANDLE(WINAPI*)(LPCWSTR, ULONG);
using AddSidFn = BOOL(WINAPI*)(HANDLE*, PSID);
using DeleteBoundaryFn = VOID(WINAPI*)(HANDLE);
using CreateSpaceFn = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, LPVOID, LPCWSTR);
using OpenSpaceFn = HANDLE(WINAPI*)(LPVOID, LPCWSTR);
using CloseSpaceFn = BOOLEAN(WINAPI*)(HANDLE, ULONG);

struct SpaceCalls {
    CreateBoundaryFn createBoundary = nullptr;
    AddSidFn addSid = nullptr;
    AddSidFn addLabel = nullptr;  // optional
    DeleteBoundaryFn deleteBoundary = nullptr;
    CreateSpaceFn createSpace = nullptr;
    OpenSpaceFn openSpace = nullptr;
    CloseSpaceFn closeSpace = nullptr;

    bool Present() const {
        return createBoundary && addSid && deleteBoundary && createSpace && openSpace && closeSpace;
    }
};

template <typename Fn>
Fn Look(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

SpaceCalls LookUpCalls() {
    SpaceCalls found;
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (kernel != nullptr) {
        found.createBoundary = Look<CreateBoundaryFn>(kernel, "CreateBoundaryDescriptorW");
        found.addSid = Look<AddSidFn>(kernel, "AddSIDToBoundaryDescriptor");
        found.addLabel = Look<AddSidFn>(kernel, "AddIntegrityLabelToBoundaryDescriptor");
        found.deleteBoundary = Look<DeleteBoundaryFn>(kernel, "DeleteBoundaryDescriptor");
        found.createSpace = Look<CreateSpaceFn>(kernel, "CreatePrivateNamespaceW");
        found.openSpace = Look<OpenSpaceFn>(kernel, "OpenPrivateNamespaceW");
        found.closeSpace = Look<CloseSpaceFn>(kernel, "ClosePrivateNamespace");
    }
    return found;
}

// The failures of a system that has the calls in name only.
bool NotImplemented(DWORD error) {
    return error == ERROR_CALL_NOT_IMPLEMENTED || error == ERROR_PROC_NOT_FOUND ||
           error == ERROR_NOT_SUPPORTED;
}

// Full access to a directory object (DIRECTORY_ALL_ACCESS), for the user alone.
constexpr DWORD kDirectoryAllAccess = 0xF000F;

}  // namespace

KeeperNames::KeeperNames() {
    const SpaceCalls calls = LookUpCalls();
    if (!calls.Present()) {
        usable_ = true;  // the session's shared names, judged
        return;
    }
    std::vector<BYTE> user = TokenUserSid();
    if (user.empty()) {
        return;
    }
    boundary_ = calls.createBoundary(Wide(kKeeperNamespace).c_str(), 0);
    if (boundary_ == nullptr) {
        usable_ = NotImplemented(GetLastError());
        return;
    }
    if (!calls.addSid(&boundary_, user.data())) {
        return;
    }
    if (calls.addLabel != nullptr) {
        PSID medium = nullptr;
        if (!ConvertStringSidToSidW(L"S-1-16-8192", &medium)) {
            return;
        }
        const BOOL labelled = calls.addLabel(&boundary_, medium);
        LocalFree(medium);
        if (!labelled) {
            return;
        }
    }
    KeeperSectionSecurity security(kDirectoryAllAccess);
    if (!security.Made()) {
        return;
    }
    const std::wstring alias = Wide(kKeeperNamespace);
    // Made by whoever comes first; made or opened between two tries by another, tried again.
    for (int attempt = 0; attempt < 3 && space_ == nullptr; ++attempt) {
        space_ = calls.createSpace(&security.attributes, boundary_, alias.c_str());
        if (space_ == nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
            space_ = calls.openSpace(boundary_, alias.c_str());
        }
        if (space_ == nullptr && NotImplemented(GetLastError())) {
            usable_ = true;
            return;
        }
    }
    usable_ = space_ != nullptr;
}

KeeperNames::~KeeperNames() {
    const SpaceCalls calls = LookUpCalls();
    if (space_ != nullptr) {
        calls.closeSpace(space_, 0);
    }
    if (boundary_ != nullptr) {
        calls.deleteBoundary(boundary_);
    }
}

std::wstring KeeperNames::Of(const char* name) const {
    if (!usable_) {
        return {};
    }
    return Wide(space_ != nullptr ? std::string(kKeeperNamespace) + "\\" + name
                                  : std::string("Local\\") + name);
}

}  // namespace altostrat
