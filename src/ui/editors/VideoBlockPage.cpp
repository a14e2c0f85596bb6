// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/VideoBlockPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/Guarded.h"
#include "editors/CodecPage.h"
#include "editors/EditorText.h"
#include "editors/EditorWidgets.h"
#include "editors/VideoBitrateGroup.h"
#include "editors/VideoBlockState.h"
#include "editors/VideoSizeGroup.h"

namespace {

// Aspect radio buttons by code: the standard choices, and H.263's five.
struct TAspectButton {
  const char* Name;  // object name before the suffix
  const char* Text;  // empty: the translated "Auto"
};
constexpr TAspectButton kAspects[] = {{"RadioButtonAutoSetAspect", ""},
                                      {"RadioButtonAspect43", "4:3"},
                                      {"RadioButtonAspect169", "16:9"}};
constexpr TAspectButton kH263Aspects[] = {{"RadioButtonAutoSetAspect", ""},
                                          {"RadioButtonAspect11", "1:1"},
                                          {"RadioButtonAspect43", "4:3"},
                                          {"RadioButtonAspect119", "11:9"},
                                          {"RadioButtonAspect169", "16:9"}};

}  // namespace

TVideoBlockPage::TVideoBlockPage(TVideoBlockState& block, QWidget* parent)
    : QWidget(parent), Block_(block) {
  const TVideoBlockDesc& desc = block.Desc();
  const QString s = QString::fromStdString(ControlSuffix(desc));
  QVBoxLayout* page = StartCodecPage(*this, QString::fromStdString(PageName(desc)), desc.Title);
  Bitrate_ = new TVideoBitrateGroup(block.Bitrate, BlockBitrateNames(s), this);
  connect(Bitrate_, &TVideoBitrateGroup::Edited, this, &TVideoBlockPage::Edited);
  page->addWidget(Bitrate_);

  QWidget* size = nullptr;
  if (block.FixedSize()) {
    size = NewFixedSizeGroup(s);
  } else {
    Size_ = new TVideoSizeGroup(block, s, this);
    connect(Size_, &TVideoSizeGroup::Edited, this, &TVideoBlockPage::Edited);
    size = Size_;
  }
  auto* right = new QVBoxLayout;
  right->addWidget(NewFrameRateGroup(s));
  right->addWidget(NewAspectGroup(s));
  auto* row = new QHBoxLayout;
  row->addWidget(size, 1);
  row->addLayout(right, 1);
  page->addLayout(row);
  page->addStretch();
}

QWidget* TVideoBlockPage::NewFixedSizeGroup(const QString& s) {
  QGroupBox* group = NewGroup(LangText(MSG_VIDEO_SIZE), "GroupBoxVideoSize" + s, this);
  auto* layout = new QVBoxLayout(group);
  for (size_t i = 0; i < kH263Sizes.size(); ++i) {
    const TFixedSize& fixed = kH263Sizes[i];
    const QString name =
        QStringLiteral("RadioButtonVideoSize%1_%2").arg(fixed.Width).arg(fixed.Height) + s;
    QRadioButton* radio =
        NewRadio(QString::fromUtf8(fixed.Text.data(), fixed.Text.size()), name, group);
    layout->addWidget(radio);
    FixedSizes_.push_back(radio);
    connect(radio, &QRadioButton::toggled, this, [this, i](bool on) {
      if (on)
        Guarded([&] {
          Block_.FixedSizeIndex = static_cast<int>(i);
          Changed();
        });
    });
  }
  layout->addStretch();
  return group;
}

QWidget* TVideoBlockPage::NewFrameRateGroup(const QString& s) {
  QGroupBox* group = NewGroup(LangText(MSG_FRAMETRATE), "GroupBoxFrameRate" + s, this);
  // Where the codec cannot follow the source's rate, "Auto" names the one it writes.
  const std::string_view fixed = Block_.Desc().AutoFrameRate;
  KeepFrameRate_ =
      NewRadio(fixed.empty() ? LangText(MSG_FRAMERATE_AUTO)
                             : LangFormat(MSG_FRAMERATE_AUTO_FIXED, {std::string(fixed)}),
               "RadioButtonKeepFrameRate" + s, group);
  ChangeFrameRate_ =
      NewRadio(LangText(MSG_CHANGE_FRAMERATE), "RadioButtonChangeFrameRate" + s, group);
  FrameRate_ = NewCombo("ComboBoxVideoFrameRate" + s, group);
  for (std::string_view rate : Block_.Desc().FrameRates)
    FrameRate_->addItem(QString::fromUtf8(rate.data(), static_cast<qsizetype>(rate.size())));
  auto* grid = new QGridLayout(group);
  grid->setColumnMinimumWidth(0, 20);
  grid->addWidget(KeepFrameRate_, 0, 0, 1, 3);
  grid->addWidget(ChangeFrameRate_, 1, 0, 1, 3);
  grid->addWidget(FrameRate_, 2, 1);
  grid->setColumnStretch(2, 1);
  connect(KeepFrameRate_, &QRadioButton::toggled, this, [this](bool on) {
    Guarded([&] {
      Block_.KeepFrameRate = on;
      Changed();
    });
  });
  connect(FrameRate_, &QComboBox::activated, this, [this](int index) {
    Guarded([&] {
      Block_.FrameRate.Index = index;
      Changed();
    });
  });
  return group;
}

QWidget* TVideoBlockPage::NewAspectGroup(const QString& s) {
  QGroupBox* group = NewGroup(LangText(MSG_ASPECT), "GroupBoxAspect" + s, this);
  auto* layout = new QHBoxLayout(group);
  const auto add = [&](const TAspectButton& b) {
    const QString text = *b.Text == '\0' ? LangText(MSG_ASPECT_AUTO) : QString::fromLatin1(b.Text);
    QRadioButton* radio = NewRadio(text, QString::fromLatin1(b.Name) + s, group);
    const int code = static_cast<int>(Aspects_.size());
    Aspects_.push_back(radio);
    layout->addWidget(radio);
    connect(radio, &QRadioButton::toggled, this, [this, code](bool on) {
      if (on)
        Guarded([&] {
          Block_.Aspect = code;
          Changed();
        });
    });
  };
  if (Block_.FixedSize())
    for (const TAspectButton& b : kH263Aspects) add(b);
  else
    for (const TAspectButton& b : kAspects) add(b);
  layout->addStretch();
  return group;
}

void TVideoBlockPage::Changed() {
  Sync();
  emit Edited();
}

void TVideoBlockPage::Sync() {
  Bitrate_->Sync();
  if (Size_ != nullptr) Size_->Sync();
  CheckOne(FixedSizes_, Block_.FixedSizeIndex);
  CheckOne({KeepFrameRate_, ChangeFrameRate_}, Block_.KeepFrameRate ? 0 : 1);
  SelectQuietly(FrameRate_, Block_.FrameRate.Index);
  FrameRate_->setEnabled(Block_.FrameRateEnabled());
  CheckOne(Aspects_, Block_.Aspect);
}

void TVideoBlockPage::FinishEditing() {
  if (Size_ != nullptr) Size_->FinishEditing();
}
