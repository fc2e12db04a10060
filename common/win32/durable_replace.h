#pragma once
// The Windows steps of ReplaceFileContents (common/file_bytes.h). Renaming a file over another
// is atomic, but the file system may record the rename before the new file's data: after a power
// cut the settings file would then be there with its new name and no contents. So the new file's
// data are flushed to the disk (FlushFileBuffers) before the rename, and the rename itself is
// written through (MOVEFILE_WRITE_THROUGH) before it counts as done.

#include <string>
#include <string_view>

namespace altostrat {

// Writes BYTES to TEMPORARY (made anew, or emptied), flushes them to the disk, then moves it over
// TARGET, written through. False, with TEMPORARY removed and TARGET untouched, when a step fails.
bool ReplaceWrittenThrough(const std::wstring& temporary, const std::wstring& target,
                           std::string_view bytes);

}  // namespace altostrat
