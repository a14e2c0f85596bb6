// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The two built-in colour schemes of the skinned windows: "kvoskin
// (internal)", light blue edit faces (RGB 195, 247, 255), and "zqvskin
// (internal)", dark blue-grey ones (RGB 63, 91, 115). They colour the edits,
// combo boxes, lists, scroll bars, check boxes and progress gauges below root.
enum class TColorScheme { Light, Dark };

void ApplyColorScheme(QWidget* root, TColorScheme scheme);
const char* ColorSchemeName(TColorScheme scheme);
