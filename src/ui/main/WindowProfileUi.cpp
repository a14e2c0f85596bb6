// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/WindowProfileUi.h"

#include <utility>

#include "main/Name.h"

TWindowProfileUi::TWindowProfileUi(QWidget* owner, TEditorRunner runEditor)
    : Owner_(owner), RunEditor_(std::move(runEditor)) {}

bool TWindowProfileUi::EditProfile(int outputFormat) {
  return RunEditor_ ? RunEditor_(Owner_, outputFormat) : false;
}

bool TWindowProfileUi::AskProfileName(std::string& name) {
  return TfrmName::Ask(Owner_, name);
}
