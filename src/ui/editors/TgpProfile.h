// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/ProfileEditor.h"

// The 3GP editor. Its device types, the Nokia and Sony codec pairs that lie
// on top of each other, the fixed H.263 sizes and the codec advisories all
// come from its description; nothing of it is written twice.
class TfrmTGPProfile final : public TProfileEditor {
  Q_OBJECT

 public:
  explicit TfrmTGPProfile(QWidget* owner);
};
