// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The two windows the profile actions open. The desktop program shows the
// format's editor and the profile-name dialog; tests answer from a script.
// Messages and questions go through MessageBoxText / MessageDialog instead.
class TProfileUi {
 public:
  virtual ~TProfileUi() = default;
  // The format's editor over its settings record, which the caller has just
  // filled (defaults or a loaded file): shown modally; on OK the controls go
  // back into the record. True on OK.
  virtual bool EditProfile(int outputFormat) = 0;
  // The profile-name dialog opened with name: true with the accepted name
  // (see AcceptProfileName) in name; false, and name untouched, otherwise.
  virtual bool AskProfileName(std::string& name) = 0;
};

// The name dialog's OK: the typed text with its leading and trailing blanks
// taken off is the name, so the file gets the name that was checked and two
// profiles never differ by invisible blanks alone. True with that name when it
// is a valid file name; otherwise the "Invalid File Name" warning is shown and
// the result is false. A name too long for its profile file is refused too,
// with that reason, before anything is written.
bool AcceptProfileName(const std::string& typed, std::string& name);

// Whether the profile file of this name (a three-letter extension), and the
// temporary file a safe save writes first, fit a file name of the system.
bool ProfileNameFits(const std::string& name);
