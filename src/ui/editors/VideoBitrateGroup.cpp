// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/VideoBitrateGroup.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/Guarded.h"
#include "editors/EditorText.h"
#include "editors/EditorWidgets.h"
#include "editors/EnterValue.h"
#include "editors/TrackBar.h"

TVideoBitrateNames BlockBitrateNames(const QString& s) {
  return {"GroupBoxVideoBitrate" + s,
          "RadioButtonVideoPresert" + s,
          "RadioButtonVideoSpecify" + s,
          "TrackBarVideoBitrate" + s,
          "LabelBitrate" + s,
          "LabelCurrentBitrate" + s,
          "LabelLow" + s,
          "LabelHigh" + s,
          "LabelKbps2" + s,
          "LabelBitrateSpecify" + s,
          "LabelKbps" + s,
          "ButtonVideoBitrateConfigure" + s};
}

TVideoBitrateNames DvdBitrateNames() {
  return {"GroupBoxDVDVideoBitrate",
          "RadioButtonDVDVideoPresert",
          "RadioButtonDVDVideoSpecify",
          "TrackBarDVDVideoBitrate",
          "LabelDVDBitrate",
          "LabelDVDCurrentBitrate",
          "LabelDVDLow",
          "LabelDVDHigh",
          "LabelDVDKbps2",
          "LabelDVDBitrateSpecify",
          "LabelDVDKbps",
          "ButtonDVDVideoBitrateConfigure"};
}

TVideoBitrateGroup::TVideoBitrateGroup(TBitrateChoice& choice, const TVideoBitrateNames& n,
                                       QWidget* parent)
    : QGroupBox(LangText(MSG_VIDEO_BITRATE), parent), Choice_(choice) {
  setObjectName(n.Group);
  Preset_ = NewRadio(LangText(MSG_PRESET_QUALITY), n.PresetRadio, this);
  Current_ = NewLabel(LangText(MSG_CURRNET_BITRATE), n.Current, this);
  Value_ = NewLabel({}, n.Value, this);
  Kbps2_ = NewLabel(QStringLiteral("kbps"), n.Kbps2, this);
  Bar_ = new TTrackBar(n.TrackBar, this);
  Low_ = NewLabel(LangText(MSG_LOW_Q), n.Low, this);
  High_ = NewLabel(LangText(MSG_HIGH_Q), n.High, this);
  High_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  Specify_ = NewRadio(LangText(MSG_SPECIFY_SETTINGS), n.SpecifyRadio, this);
  SpecifyValue_ = NewLabel({}, n.Specify, this);
  SpecifyValue_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  SpecifyValue_->setMinimumWidth(SpecifyValue_->fontMetrics().horizontalAdvance("99999999"));
  Kbps_ = NewLabel(QStringLiteral("kbps"), n.Kbps, this);
  Configure_ = new QPushButton(LangText(MSG_CONFIGURE), this);
  Configure_->setObjectName(n.Configure);

  auto* current = new QHBoxLayout;
  current->addWidget(Current_);
  current->addWidget(Value_);
  current->addWidget(Kbps2_);
  current->addStretch();
  auto* ends = new QHBoxLayout;
  ends->addWidget(Low_, 0, Qt::AlignTop);
  ends->addStretch();
  ends->addWidget(High_, 0, Qt::AlignTop);
  auto* specify = new QHBoxLayout;
  specify->addWidget(Specify_);
  specify->addStretch();
  specify->addWidget(SpecifyValue_);
  specify->addWidget(Kbps_);
  specify->addWidget(Configure_);

  auto* grid = new QGridLayout(this);
  grid->setColumnMinimumWidth(0, 20);
  grid->addWidget(Preset_, 0, 0, 1, 2);
  grid->addLayout(current, 1, 1);
  grid->addWidget(Bar_, 2, 1);
  grid->addLayout(ends, 3, 1);
  grid->addLayout(specify, 4, 0, 1, 2);

  auto edited = [this](auto&& change) {
    Guarded([&] {
      change();
      Sync();
      emit Edited();
    });
  };
  connect(Preset_, &QRadioButton::toggled, this,
          [this, edited](bool on) { edited([this, on] { Choice_.UsePreset = on; }); });
  connect(Bar_, &QSlider::valueChanged, this,
          [this, edited](int p) { edited([this, p] { Choice_.Bar.SetPosition(p); }); });
  connect(Configure_, &QPushButton::clicked, this,
          [this, edited] { edited([this] { Configure(); }); });
}

void TVideoBitrateGroup::Configure() {
  Choice_.Specify = EnterIntegerValue(window(), LangText(MSG_ENTER_VIDEOBITRATE_TITLE),
                                      LangText(MSG_ENTER_VIDEOBITRATE), Choice_.Specify,
                                      Choice_.ConfigureMax(), Choice_.ConfigureMin());
}

void TVideoBitrateGroup::Sync() {
  CheckOne({Preset_, Specify_}, Choice_.UsePreset ? 0 : 1);
  Bar_->Show(Choice_.Bar);
  Value_->setText(LadderEntryText(Choice_.Bar));
  SpecifyValue_->setText(QString::number(Choice_.Specify));
  SetAllEnabled({Current_, Value_, Low_, High_, Bar_, Kbps2_}, Choice_.PresetEnabled());
  SetAllEnabled({SpecifyValue_, Kbps_, Configure_}, Choice_.SpecifyEnabled());
}
