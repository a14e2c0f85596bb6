// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/AudioBlockPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/Guarded.h"
#include "editors/AudioBitrateGroup.h"
#include "editors/AudioBlockState.h"
#include "editors/CodecPage.h"
#include "editors/EditorText.h"
#include "editors/EditorWidgets.h"

TAudioBlockPage::TAudioBlockPage(TAudioBlockState& block, QWidget* parent)
    : QWidget(parent), Block_(block) {
  const TAudioBlockDesc& desc = block.Desc();
  const QString a =
      QString::fromUtf8(desc.Suffix.data(), static_cast<qsizetype>(desc.Suffix.size()));
  QVBoxLayout* page = StartCodecPage(*this, QString::fromStdString(PageName(desc)), desc.Title);
  if (block.HasBitrate()) {
    Bitrate_ =
        new TAudioBitrateGroup(block.AutoBitrate, block.Bar, BlockAudioBitrateNames(a), true, this);
    connect(Bitrate_, &TAudioBitrateGroup::Edited, this, &TAudioBlockPage::Edited);
    page->addWidget(Bitrate_);
  }

  QGroupBox* rate = NewGroup(LangText(MSG_SAMPLERATE), "GroupBoxSampleRate" + a, this);
  SampleRate_ = NewCombo("ComboBoxSampleRate" + a, rate);
  for (std::string_view r : desc.SampleRates)
    SampleRate_->addItem(QString::fromUtf8(r.data(), static_cast<qsizetype>(r.size())));
  (new QVBoxLayout(rate))->addWidget(SampleRate_);
  RateGroup_ = rate;
  QWidget* rateSide = rate;
  if (desc.Rule.SixChannels) {
    // Six channels are always 48 kHz: a fixed text lies over the rate list.
    QGroupBox* six =
        NewGroup(LangText(MSG_SAMPLERATE), "GroupBoxSampleRate" + a + "_6Channels", this);
    (new QVBoxLayout(six))->addWidget(NewLabel(QStringLiteral("48000"), "lab48000kHz" + a, six));
    SixChannelGroup_ = six;
    RateGroups_ = new QStackedWidget(this);
    // A stack would take the page's spare height; the groups keep theirs.
    RateGroups_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    RateGroups_->addWidget(rate);
    RateGroups_->addWidget(six);
    rateSide = RateGroups_;
  }

  QGroupBox* channels = NewGroup(LangText(MSG_ACHANNELS), "GroupBoxAudioChannels" + a, this);
  Channels_ = NewCombo("ComboBoxAudioChannels" + a, channels);
  for (TMsgKey key : desc.Channels) Channels_->addItem(LangText(key));
  (new QVBoxLayout(channels))->addWidget(Channels_);

  auto* row = new QHBoxLayout;
  row->addWidget(rateSide, 1);
  row->addWidget(channels, 1);
  page->addLayout(row);
  page->addStretch();

  connect(SampleRate_, &QComboBox::activated, this, [this](int index) {
    Guarded([&] {
      Block_.SampleRate.Index = index;
      Block_.SampleRateChanged();
      Changed();
    });
  });
  connect(Channels_, &QComboBox::activated, this, [this](int index) {
    Guarded([&] {
      Block_.Channels.Index = index;
      Block_.ChannelsChanged();
      Changed();
    });
  });
}

void TAudioBlockPage::Changed() {
  Sync();
  emit Edited();
}

void TAudioBlockPage::Sync() {
  if (Bitrate_ != nullptr) Bitrate_->Sync();
  SelectQuietly(SampleRate_, Block_.SampleRate.Index);
  SelectQuietly(Channels_, Block_.Channels.Index);
  if (RateGroups_ != nullptr)
    RateGroups_->setCurrentWidget(Block_.SixChannelGroupInFront() ? SixChannelGroup_ : RateGroup_);
}
