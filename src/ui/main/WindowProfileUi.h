// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "store/ProfileUi.h"

class QWidget;

// The windows the profile actions open, over the main window: the format's
// editor through the given runner (the editors' RunProfileEditor) and the
// profile-name dialog.
class TWindowProfileUi final : public TProfileUi {
 public:
  using TEditorRunner = std::function<bool(QWidget* owner, int outputFormat)>;

  TWindowProfileUi(QWidget* owner, TEditorRunner runEditor);

  // False, writing nothing, while no runner is set.
  bool EditProfile(int outputFormat) override;
  bool AskProfileName(std::string& name) override;

 private:
  QWidget* Owner_;
  TEditorRunner RunEditor_;
};
