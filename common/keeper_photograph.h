#pragma once
// The photograph the keeper holds for the host: the user's desktop as it was a few seconds
// before the screensaver started. Windows may start a saver on a desktop of its own, where the
// host's own photograph shows nothing of the user's windows, so a small program of the user's
// session (the keeper) photographs the screen just before the idle timeout and holds it in a
// named memory section of the session; the host reads it and marks it taken, and the keeper then
// drops it. The keeper never writes it to disk; the host, like its own photograph, writes it as
// the run's desktop picture into the run's private folder for the renderer.
//
// The section starts with a fixed header of little-endian 32-bit fields, then the rows. The host
// trusts none of it: a section made by another program or open to others, a header cut short, a
// photograph of a different screen (another virtual screen, or other monitors or scales inside
// the same one: the header carries a digest of every monitor's rectangle and DPI), or one older
// than the user's last input (the user came back and went again: the screen may have changed)
// is refused. The keeper writes the magic last, so a section still being filled reads as not
// ours.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/screen_layout.h"

namespace altostrat {

// The section, the one-per-session lock and the keeper's stop signal, by their names inside the
// user's private namespace of the session (common/win32/keeper_names.h): another session (another
// user signed in at the same time) has its own, and no other account or lower integrity can take
// them. Where there are no private namespaces, the same names under "Local\".
inline constexpr char kKeeperNamespace[] = "AltostratKeeper";
inline constexpr char kKeeperPhotographName[] = "AltostratKeeperPhotograph";
inline constexpr char kKeeperMutexName[] = "AltostratKeeper";
// Set by whoever wants the keeper to end (the installer through the keeper's /stop, the
// settings dialog directly).
inline constexpr char kKeeperStopEventName[] = "AltostratKeeperStop";
// The keeper's own file, beside the host; its start-at-sign-in entry's value name.
inline constexpr char kKeeperFileName[] =
    u8"\u30A2\u30EB\u30C8\u30B9\u30C8\u30E9\u30C8\u5E38\u99D0.exe";  // アルトストラト常駐.exe
inline constexpr char kKeeperRunValueName[] =
    u8"\u30A2\u30EB\u30C8\u30B9\u30C8\u30E9\u30C8\u5E38\u99D0";  // アルトストラト常駐
// The host, whose choice as the screensaver the keeper watches for, beside the keeper.
inline constexpr char kHostFileName[] =
    u8"\u30A2\u30EB\u30C8\u30B9\u30C8\u30E9\u30C8.scr";  // アルトストラト.scr
// The keeper's hidden window (never shown; it receives the end of the session, and a WM_CLOSE
// sent to it ends the keeper as the stop signal does).
inline constexpr char kKeeperWindowClass[] = "AltostratKeeper";
// The command-line word that asks a running keeper to end and waits until it has.
inline constexpr char kKeeperStopArgument[] = "/stop";

inline constexpr std::uint32_t kKeeperMagic = 0x504B4C41;  // "ALKP"
// Version 1 had no monitor digest and 32-bit pixels; a host refuses it as malformed.
inline constexpr std::uint32_t kKeeperVersion = 2;
inline constexpr std::uint32_t kKeeperHeaderSize = 64;
// Blue, green, red per pixel, the top row first, each row padded to a multiple of 4 bytes (a
// top-down 24-bit DIB, which the screen is copied into where it lies in the section).
inline constexpr std::uint32_t kKeeperPixelsBgr24 = 2;
// The keeper drops a photograph after this long, and the host refuses an older one.
inline constexpr std::uint32_t kKeeperHoldMilliseconds = 10 * 60 * 1000;
// Offset of the 32-bit "taken" flag the host sets; the keeper drops the photograph when it is 1.
inline constexpr std::size_t kKeeperTakenOffset = 12;

struct KeeperHeader {
    std::uint32_t magic = kKeeperMagic;
    std::uint32_t version = kKeeperVersion;
    std::uint32_t headerSize = kKeeperHeaderSize;
    std::uint32_t taken = 0;
    ScreenRect screen;              // the virtual screen photographed, left/top/width/height
    std::uint32_t takenAtTick = 0;  // the system's millisecond tick count when photographed
    std::uint32_t pixelFormat = kKeeperPixelsBgr24;
    std::uint32_t rowStride = 0;  // bytes from one row to the next
    std::uint32_t monitorCount = 0;
    std::uint64_t monitorDigest = 0;  // MonitorDigest of the monitors photographed
};

// A digest of the monitors' rectangles and DPI, whatever order they are listed in.
std::uint64_t MonitorDigest(const std::vector<MonitorPlace>& monitors);

// The section's whole size for a photograph of the screen (header and rows); 0 when the screen
// is empty or too large to hold.
std::size_t KeeperSectionSize(const ScreenRect& screen);
// The header for a photograph of the virtual screen of LAYOUT taken at TICK.
KeeperHeader MakeKeeperHeader(const ScreenLayout& layout, std::uint32_t tick);
// The header's kKeeperHeaderSize bytes (reserved bytes zero).
void WriteKeeperHeader(const KeeperHeader& header, std::uint8_t* out);

// What the section's security descriptor says. The keeper makes it with the user as owner,
// the user alone let in, and a medium mandatory label that keeps lower-integrity processes of
// the same user (a sandboxed browser, say) from reading or writing it. A section without a label
// counts as medium, as Windows counts it: a low-integrity process's objects are always labelled
// low.
struct KeeperSectionTrust {
    bool ownerIsUser = false;         // owned by the user this program runs as
    bool onlyUserLetIn = false;       // the access list grants access to that user and no one else
    bool labelAtLeastMedium = false;  // the integrity label is medium or higher
};

// All three hold: the section may be opened and read.
inline bool KeeperSectionTrusted(const KeeperSectionTrust& trust) {
    return trust.ownerIsUser && trust.onlyUserLetIn && trust.labelAtLeastMedium;
}

// What the host finds now, to judge a section by.
struct KeeperSightNow {
    KeeperSectionTrust trust;
    ScreenLayout layout;  // the screen as the host reads it now
    std::uint32_t lastInputTick = 0;
    std::uint32_t nowTick = 0;
};

enum class KeeperVerdict {
    kUsable,
    kNotOurs,       // owned by someone else, open to others, or made by a lower integrity
    kTruncated,     // fewer bytes than a header, or than the header's rows
    kMalformed,     // a field out of its sane range (magic, version, format, stride, size)
    kOtherLayout,   // the virtual screen, a monitor or a scale changed since
    kBeforeInput,   // taken before the user's last input
    kTooOld,        // held longer than the keeper may hold it
    kAlreadyTaken,  // a host took it already
};

// Judges the AVAILABLE bytes of a section; the header is read into HEADER when it is whole.
// The tick count wraps after 49.7 days: times are compared as differences.
KeeperVerdict CheckKeeperSection(const std::uint8_t* bytes, std::size_t available,
                                 const KeeperSightNow& now, KeeperHeader* header);

// Whether the session is locked, as the session service tells it (WTSSessionInfoEx's
// SessionFlags). Nothing of the user's screen is used over a locked session: whoever stands at
// the machine then is not known to be the user. Where the service cannot say, the keeper's own
// notices decide: it drops its photograph at the lock.
enum class SessionLock { kUnknown, kLocked, kUnlocked };
// SESSION_FLAGS as the service gives it: 0 locked, 1 unlocked, anything else unknown; on Windows 7
// and Server 2008 R2 (REVERSED) the service gives the two the other way round.
SessionLock SessionLockFromFlags(std::int32_t sessionFlags, bool reversed);

// The photograph's rows in a section judged usable.
BgrRows KeeperRows(const std::uint8_t* bytes, const KeeperHeader& header);

}  // namespace altostrat
