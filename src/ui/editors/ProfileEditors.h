// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QWidget;
class TProfileEditor;

// The editor of a target format (0..15), owned by owner; nullptr above 15.
std::unique_ptr<TProfileEditor> CreateProfileEditor(QWidget* owner, int outputFormat);

// What the profile store calls once it has filled the format's global
// settings record (defaults for a new profile, the file for an existing
// one): the editor is created, sized and centred over owner, loaded from the
// record and shown modally; on Save the controls go back into the record and
// the answer is true. Close, Esc or the close box leave the record as it was
// and give false. Writing the file is the caller's.
bool RunProfileEditor(QWidget* owner, int outputFormat);

// A way to open an editor on a profile file without the main window:
// KINOVERT_EDIT_PROFILE=<format>:<file> (format as kinovert-cli takes it,
// e.g. 3gp:/tmp/a.3go). The file is loaded over the format's defaults, so a
// missing file starts a new profile, and Save writes it. Gives false, doing
// nothing, when the variable is not set; a malformed value is reported on
// stderr.
bool EditProfileFromEnvironment(QWidget* owner);
