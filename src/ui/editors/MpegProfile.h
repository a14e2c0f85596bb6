// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/ProfileEditor.h"

class TDvdPage;
class TPresetFormatsGroup;

// The MPEG editor: the generic editor plus the preset formats on the General
// tab and the DVD tab they show.
class TfrmMPEGProfile final : public TProfileEditor {
  Q_OBJECT

 public:
  explicit TfrmMPEGProfile(QWidget* owner);

 protected:
  void SyncAll() override;

 private:
  TPresetFormatsGroup* Presets_;
  TDvdPage* Dvd_;
};
