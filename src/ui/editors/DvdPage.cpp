// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/DvdPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/Guarded.h"
#include "editors/AudioBitrateGroup.h"
#include "editors/EditorText.h"
#include "editors/EditorWidgets.h"
#include "editors/MpegPresets.h"
#include "editors/VideoBitrateGroup.h"

TDvdPage::TDvdPage(TMpegPresets& presets, QWidget* parent) : QWidget(parent), Presets_(presets) {
  setObjectName(QStringLiteral("TabSheetDVD"));
  Video_ = new TVideoBitrateGroup(presets.Video, DvdBitrateNames(), this);
  Audio_ =
      new TAudioBitrateGroup(presets.AudioAuto, presets.Audio, DvdAudioBitrateNames(), false, this);

  QGroupBox* aspect = NewGroup(LangText(MSG_ASPECT), QStringLiteral("GroupBoxDVDAspect"), this);
  AutoAspect_ =
      NewRadio(LangText(MSG_ASPECT_AUTO), QStringLiteral("RadioButtonDVDAutoSetAspect"), aspect);
  ChangeAspect_ =
      NewRadio(LangText(MSG_CHANGE_ASPECT), QStringLiteral("RadioButtonDVDChangeAspect"), aspect);
  Aspect_ = NewCombo(QStringLiteral("ComboBoxDVDVideoAspect"), aspect);
  for (TMsgKey key : {MSG_ASPECT1, MSG_ASPECT2, MSG_ASPECT3}) Aspect_->addItem(LangText(key));
  auto* grid = new QGridLayout(aspect);
  grid->setColumnMinimumWidth(0, 20);
  grid->addWidget(AutoAspect_, 0, 0, 1, 3);
  grid->addWidget(ChangeAspect_, 1, 0, 1, 3);
  grid->addWidget(Aspect_, 2, 1);
  grid->setColumnStretch(2, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Video_);
  layout->addWidget(aspect);
  layout->addWidget(Audio_);
  layout->addStretch();

  connect(Video_, &TVideoBitrateGroup::Edited, this, &TDvdPage::Edited);
  connect(Audio_, &TAudioBitrateGroup::Edited, this, &TDvdPage::Edited);
  connect(AutoAspect_, &QRadioButton::toggled, this, [this](bool on) {
    Guarded([&] {
      Presets_.KeepAspect = on;
      Sync();
      emit Edited();
    });
  });
  connect(Aspect_, &QComboBox::activated, this, [this](int index) {
    Guarded([&] {
      Presets_.Aspect.Index = index;
      Sync();
      emit Edited();
    });
  });
}

void TDvdPage::Sync() {
  Video_->Sync();
  Audio_->Sync();
  CheckOne({AutoAspect_, ChangeAspect_}, Presets_.KeepAspect ? 0 : 1);
  SelectQuietly(Aspect_, Presets_.Aspect.Index);
  Aspect_->setEnabled(Presets_.AspectEnabled());
}
