#include "common/folder_access.h"

#include <algorithm>
#include <string>

namespace altostrat {
namespace {

constexpr std::uint32_t kFileGenericWrite = 0x120116;
constexpr std::uint32_t kRightWriteAttributes = 0x100;
constexpr std::uint32_t kTakeOverRights = kRightWriteDac | kRightWriteOwner;
constexpr std::uint32_t kWriteInRights =
    kRightAddFile | kRightAddSubfolder | kRightDeleteChild | kRightDelete | kTakeOverRights;

// RIGHTS with the generic rights replaced by the file rights they stand for.
std::uint32_t FileRights(std::uint32_t rights) {
    std::uint32_t mapped = rights & ~(kRightGenericAll | kRightGenericExecute | kRightGenericWrite |
                                      kRightGenericRead);
    if ((rights & kRightGenericAll) != 0) {
        mapped |= kRightsFullControl;
    }
    if ((rights & kRightGenericWrite) != 0) {
        mapped |= kFileGenericWrite;
    }
    return mapped;
}

bool Trusted(const std::string& sid, const std::string& user, const std::string& owner) {
    if (sid.empty()) {
        return false;
    }
    if (sid == kSidOwnerRights) {
        return Trusted(owner, user, "");
    }
    return sid == user || sid == kSidSystem || sid == kSidAdministrators ||
           sid == kSidTrustedInstaller || sid == kSidCreatorOwner;
}

// The kinds of logon another party may have, by the well-known accounts they surely hold.
enum Logon : unsigned { kOtherUser = 1, kGuest = 2, kAnonymousLogon = 4 };
constexpr unsigned kAnyLogon = kOtherUser | kGuest | kAnonymousLogon;

// "S-1-5-21-...-501": a Guest account, of this computer or a domain.
bool GuestAccount(const std::string& sid) {
    constexpr char kPrefix[] = "S-1-5-21-";
    constexpr char kRid[] = "-501";
    return sid.rfind(kPrefix, 0) == 0 && sid.size() > sizeof kPrefix + sizeof kRid - 2 &&
           sid.compare(sid.size() - (sizeof kRid - 1), sizeof kRid - 1, kRid) == 0;
}

// The kinds of logon that may hold SID. BUILTIN\Users holds INTERACTIVE, and so a Guest signed
// in at the console.
unsigned MayHold(const std::string& sid) {
    if (sid == kSidEveryone || sid == kSidUsers || sid == kSidGuests) {
        return kOtherUser | kGuest;
    }
    if (sid == kSidAuthenticatedUsers) {
        return kOtherUser;
    }
    if (sid == kSidAnonymous) {
        return kAnonymousLogon;
    }
    if (GuestAccount(sid)) {
        return kGuest;
    }
    return kAnyLogon;
}

// The kinds of logon that surely hold SID, so that a deny for it reaches them.
unsigned SurelyHold(const std::string& sid) {
    if (sid == kSidEveryone) {
        return kOtherUser | kGuest;
    }
    if (sid == kSidAuthenticatedUsers) {
        return kOtherUser;
    }
    if (sid == kSidGuests) {
        return kGuest;
    }
    if (sid == kSidAnonymous) {
        return kAnonymousLogon;
    }
    return 0;
}

// What one other account's allow entry grants, after the denials before it that reach every
// logon it may be held by.
struct Grant {
    std::string who;
    std::uint32_t on_folder = 0;  // on the folder itself
    std::uint32_t on_files = 0;   // on the files made in it
    bool inherited = false;
};

// A deny read so far, for the folder and for the files made in it.
struct Denial {
    const AccessEntry* entry;
    std::uint32_t on_folder;
    std::uint32_t on_files;
};

std::vector<Grant> OthersGrants(const FolderAccessList& list, const std::string& user) {
    if (!list.has_list) {
        return {{kSidEveryone, kRightsFullControl, kRightsFullControl, false}};
    }
    std::vector<Grant> grants;
    std::vector<Denial> denials;
    for (const AccessEntry& entry : list.entries) {
        const std::uint32_t rights = FileRights(entry.rights);
        const bool on_folder = (entry.flags & kEntryInheritOnly) == 0;
        const bool on_files = (entry.flags & kEntryObjectInherit) != 0;
        if (!entry.allow) {
            denials.push_back({&entry, on_folder ? rights : 0, on_files ? rights : 0});
            continue;
        }
        if (Trusted(entry.sid, user, list.owner)) {
            continue;
        }
        // Whatever any one kind of logon holding the SID keeps of these rights.
        Grant grant{entry.sid, 0, 0, (entry.flags & kEntryInherited) != 0};
        const unsigned holders = MayHold(entry.sid);
        for (unsigned logon = 1; logon <= kAnonymousLogon; logon <<= 1) {
            if ((holders & logon) == 0) {
                continue;
            }
            std::uint32_t folder = on_folder ? rights : 0;
            std::uint32_t files = on_files ? rights : 0;
            for (const Denial& denial : denials) {
                if (denial.entry->sid == entry.sid ||
                    (SurelyHold(denial.entry->sid) & logon) != 0) {
                    folder &= ~denial.on_folder;
                    files &= ~denial.on_files;
                }
            }
            grant.on_folder |= folder;
            grant.on_files |= files;
        }
        grants.push_back(grant);
    }
    return grants;
}

// The lowest level that may write the folder itself (or, with FILES, the files made in it): a
// label without the no-write-up policy keeps no level out. No label is medium.
std::uint32_t LowestWriter(const FolderAccessList& list, bool files) {
    std::uint32_t lowest = kLevelMedium;
    bool labelled = false;
    for (const MandatoryLabel& label : list.labels) {
        const bool applies = files ? (label.flags & kEntryObjectInherit) != 0
                                   : (label.flags & kEntryInheritOnly) == 0;
        if (!applies) {
            continue;
        }
        const std::uint32_t writer = (label.policy & kLabelNoWriteUp) != 0 ? label.level : 0;
        lowest = labelled ? std::min(lowest, writer) : writer;
        labelled = true;
    }
    return lowest;
}

std::string LevelSid(std::uint32_t level) {
    return "S-1-16-" + std::to_string(level);
}

// The first grant of LIST giving another account any of RIGHTS on the folder (or, with FILES,
// on the files made in it), as a verdict of RISK for the folder at INDEX.
FolderVerdict FirstGrant(const std::vector<Grant>& grants, std::uint32_t rights, bool files,
                         FolderRisk risk, std::size_t index) {
    for (const Grant& grant : grants) {
        if (((files ? grant.on_files : grant.on_folder) & rights) != 0) {
            return {risk, index, grant.who, grant.inherited};
        }
    }
    return {};
}

}  // namespace

FolderVerdict JudgeFolderChain(const std::vector<FolderAccessList>& chain,
                               const std::string& user_sid) {
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const FolderAccessList& list = chain[i];
        if (!Trusted(list.owner, user_sid, "") || list.owner == kSidCreatorOwner) {
            return {FolderRisk::kOwner, i, list.owner, false};
        }
        const bool last = i + 1 == chain.size();
        const std::uint32_t writer =
            std::min(LowestWriter(list, false), last ? LowestWriter(list, true) : kLevelMedium);
        if (writer < kLevelMedium) {
            return {FolderRisk::kLowLabel, i, LevelSid(writer), false};
        }
        const std::vector<Grant> grants = OthersGrants(list, user_sid);
        FolderVerdict found = FirstGrant(grants, kTakeOverRights, false, FolderRisk::kTakeOver, i);
        if (found.risk == FolderRisk::kNone && i > 0) {
            // A link is pointed elsewhere by writing its data or attributes.
            const std::uint32_t replace =
                list.link ? kRightDelete | kRightAddFile | kRightWriteAttributes : kRightDelete;
            found = FirstGrant(grants, replace, false, FolderRisk::kReplace, i);
        }
        if (found.risk == FolderRisk::kNone && !last) {
            // Deleting what is in it deletes or renames the next folder on the path.
            found = FirstGrant(grants, kRightDeleteChild, false, FolderRisk::kReplace, i + 1);
        }
        if (found.risk == FolderRisk::kNone && last) {
            found = FirstGrant(grants, kWriteInRights, false, FolderRisk::kWriteIn, i);
            if (found.risk == FolderRisk::kNone) {
                found = FirstGrant(grants, kWriteInRights, true, FolderRisk::kWriteIn, i);
            }
        }
        if (found.risk != FolderRisk::kNone) {
            return found;
        }
    }
    return {};
}

FolderAccessList PrivateFolderList(const std::string& user_sid) {
    constexpr std::uint8_t kAll = kEntryObjectInherit | kEntryContainerInherit;
    return {user_sid,
            true,
            {{user_sid, true, kRightsFullControl, kAll},
             {kSidSystem, true, kRightsFullControl, kAll},
             {kSidAdministrators, true, kRightsFullControl, kAll}}};
}

std::vector<std::string> FoldersOnPath(const std::string& path) {
    std::string rest = path;
    for (char& c : rest) {
        c = c == '/' ? '\\' : c;
    }
    std::string root;
    if (rest.rfind("\\\\?\\UNC\\", 0) == 0) {
        rest = "\\\\" + rest.substr(8);
    } else if (rest.rfind("\\\\?\\", 0) == 0) {
        rest = rest.substr(4);
    }
    std::vector<std::string> parts;
    std::size_t pos = 0;
    const auto next_part = [&]() {
        const std::size_t end = std::min(rest.find('\\', pos), rest.size());
        std::string part = rest.substr(pos, end - pos);
        pos = end < rest.size() ? end + 1 : end;
        return part;
    };
    if (rest.size() >= 2 && rest[1] == ':' && (rest.size() == 2 || rest[2] == '\\')) {
        root = rest.substr(0, 2) + "\\";
        pos = std::min<std::size_t>(3, rest.size());
    } else if (rest.rfind("\\\\", 0) == 0) {
        pos = 2;
        const std::string server = next_part();
        const std::string share = next_part();
        if (server.empty() || share.empty()) {
            return {};
        }
        root = "\\\\" + server + "\\" + share + "\\";
    } else {
        return {};
    }
    while (pos < rest.size()) {
        std::string part = next_part();
        if (part.empty() || part == ".") {
            continue;
        }
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
            continue;
        }
        parts.push_back(std::move(part));
    }
    std::vector<std::string> folders{root};
    std::string folder = root;
    for (const std::string& part : parts) {
        folder += (folder.back() == '\\' ? "" : "\\") + part;
        folders.push_back(folder);
    }
    return folders;
}

// The two sentences' texts, in the two languages the programs speak; the setup helper's
// finding is worded by the installer itself.
std::string FolderRiskText(const std::string& folder, const std::string& who, FolderRisk risk,
                           UiLanguage language) {
    if (language == UiLanguage::kEnglish) {
        const std::string party =
            risk == FolderRisk::kLowLabel
                ? "Processes of low integrity (" + who + ") may change\n"
                : "Other accounts of this computer (" + who + ") may change\n";
        return party + folder +
               "\nand what is in it, so a program there could be replaced before it runs as you.";
    }
    const std::string party =
        risk == FolderRisk::kLowLabel
            ? u8"整合性レベルの低いプロセス (" + who + u8") が、フォルダー\n"
            : u8"このコンピューターのほかのアカウント (" + who + u8") が、フォルダー\n";
    return party + folder +
           u8"\nの中身を変えられます。そこから動くプログラムは、あなたとして動く前に"
           u8"すり替えられるおそれがあります。";
}

std::string FolderUnreadableText(const std::string& folder, UiLanguage language) {
    if (language == UiLanguage::kEnglish) {
        return "Who may write to the folder\n" + folder +
               "\ncannot be read: it may belong to another account.";
    }
    return u8"フォルダー\n" + folder +
           u8"\nに誰が書き込めるかを読めません。ほかのアカウントのフォルダーかもしれません。";
}

}  // namespace altostrat
