// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/AudioBitrateGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "app/Guarded.h"
#include "editors/EditorText.h"
#include "editors/EditorWidgets.h"
#include "editors/TrackBar.h"

TAudioBitrateNames BlockAudioBitrateNames(const QString& a) {
  return {"GroupBoxAudioBitrate" + a,     "CheckBoxAutoSetAudioBitrate" + a,
          "TrackBarAudioBitrate" + a,     "LabelAudioBitrate" + a,
          "LabelCurrentAudioBitrate" + a, "LabelAudioSmall" + a,
          "LabelAudioLarge" + a,          "labKbps" + a};
}

TAudioBitrateNames DvdAudioBitrateNames() {
  return {"GroupBoxDVDAudioBitrate",     "CheckBoxDVDAutoSetAudioBitrate",
          "TrackBarDVDAudioBitrate",     "LabelDVDAudioBitrate",
          "LabelDVDCurrentAudioBitrate", "LabelDVDAudioSmall",
          "LabelDVDAudioLarge",          "labDVDKbps"};
}

TAudioBitrateGroup::TAudioBitrateGroup(bool& autoBitrate, TLadderBar& bar,
                                       const TAudioBitrateNames& n, bool autoDisables,
                                       QWidget* parent)
    : QGroupBox(LangText(MSG_AUDIO_BITRATE), parent),
      Auto_(autoBitrate),
      Bar_(bar),
      AutoDisables_(autoDisables) {
  setObjectName(n.Group);
  AutoBox_ = new QCheckBox(LangText(MSG_AUDIO_BITRATE_AUTO), this);
  AutoBox_->setObjectName(n.Auto);
  Current_ = NewLabel(LangText(MSG_CURRNET_BITRATE), n.Current, this);
  Value_ = NewLabel({}, n.Value, this);
  Kbps_ = NewLabel(QStringLiteral("kbps"), n.Kbps, this);
  TrackBar_ = new TTrackBar(n.TrackBar, this);
  Small_ = NewLabel(LangText(MSG_LOW_Q), n.Small, this);
  Large_ = NewLabel(LangText(MSG_HIGH_Q), n.Large, this);
  Large_->setAlignment(Qt::AlignRight | Qt::AlignTop);

  auto* current = new QHBoxLayout;
  current->addWidget(Current_);
  current->addWidget(Value_);
  current->addWidget(Kbps_);
  current->addStretch();
  auto* ends = new QHBoxLayout;
  ends->addWidget(Small_, 0, Qt::AlignTop);
  ends->addStretch();
  ends->addWidget(Large_, 0, Qt::AlignTop);
  auto* grid = new QGridLayout(this);
  grid->setColumnMinimumWidth(0, 20);
  grid->addWidget(AutoBox_, 0, 0, 1, 2);
  grid->addLayout(current, 1, 1);
  grid->addWidget(TrackBar_, 2, 1);
  grid->addLayout(ends, 3, 1);

  connect(AutoBox_, &QCheckBox::toggled, this, [this](bool on) {
    Guarded([&] {
      Auto_ = on;
      Sync();
      emit Edited();
    });
  });
  connect(TrackBar_, &QSlider::valueChanged, this, [this](int p) {
    Guarded([&] {
      Bar_.SetPosition(p);
      Sync();
      emit Edited();
    });
  });
}

void TAudioBitrateGroup::Sync() {
  {
    const QSignalBlocker block(AutoBox_);
    AutoBox_->setChecked(Auto_);
  }
  TrackBar_->Show(Bar_);
  Value_->setText(LadderEntryText(Bar_));
  SetAllEnabled({Current_, Value_, Small_, Large_, TrackBar_, Kbps_}, !(AutoDisables_ && Auto_));
}
