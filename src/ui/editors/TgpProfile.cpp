// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/TgpProfile.h"

#include "app/GlobalVars.h"

TfrmTGPProfile::TfrmTGPProfile(QWidget* owner) : TProfileEditor(*FindEditorDesc(of3GP), owner) {}
