// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Replaces the file's contents all at once: the text goes to a temporary file
// in the same folder, which is then renamed over the old file. On any failure
// (missing or read-only folder, full disk) the temporary file is removed, the
// old file stays exactly as it was, and false is returned. A symbolic link is
// written through, so the link itself survives. A new file gets the usual
// permissions (0666 less the umask), an existing file keeps its own, and its
// owner and group as far as we may give them (root always may).
bool WriteFileAtomically(const std::string& fileName, std::string_view contents);
// The temporary file's name is the file's own with this suffix, so a file
// name this much short of the system's limit cannot be written so.
inline constexpr char kAtomicTempSuffix[] = ".tmpXXXXXX";

// Data files (profiles, settings, language, type and preset files) are small;
// anything larger is refused rather than read into memory.
inline constexpr long long kMaxDataFileBytes = 16LL << 20;

// Reads a whole regular file of at most maxBytes; false when it cannot. Then
// `problem` (if given) says why in words for the user, or is left empty when
// the file simply does not exist. Folders, devices, FIFOs and sockets are
// refused without reading (a FIFO would block, /dev/zero never ends).
bool ReadWholeFile(const std::string& fileName, std::string& contents, std::string* problem = nullptr,
                   long long maxBytes = kMaxDataFileBytes);

// Writes text with every line ending in CR LF (whatever it had), atomically.
// Throws EKinovertError("Unable to write to <file>") when it cannot.
void WriteCrLfText(const std::string& fileName, std::string_view text);
