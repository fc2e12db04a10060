#pragma once
// The account of a saver run's ground, written where the user finds it and no one else can
// reach it. The file lies in the program's folder of the user's own application data
// (%LOCALAPPDATA%\Altostrat, made private to the user when it is made), not in the temporary
// folder, which an administrator may have made one folder shared by every account. Even there,
// what stands at its name is never followed: the file is opened as itself, not through a link,
// never made anew where anything stands (a dangling link included), and written only when its
// handle shows a plain file of the user's with no other name (one link, no reparse point) lying
// where it was asked for (its final path is the folder's own and its name): anything else is left
// untouched, and the run flies without its account.

#include <string>

namespace altostrat {

// Replaces the account with REPORT (UTF-8; a byte-order mark is put before it). False when the
// file was not written, a file planted there included.
bool WriteGroundReport(const std::string& report);

}  // namespace altostrat
