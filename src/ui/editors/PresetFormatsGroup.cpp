// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/PresetFormatsGroup.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/Guarded.h"
#include "editors/EditorState.h"
#include "editors/EditorText.h"
#include "editors/EditorWidgets.h"

TPresetFormatsGroup::TPresetFormatsGroup(TEditorState& state, QWidget* parent)
    : QGroupBox(LangText(MSG_PRESET_FORMATS), parent), State_(state) {
  setObjectName(QStringLiteral("GroupBoxPresetFormats"));
  Use_ = new QCheckBox(LangText(MSG_USE_PRESET_FORMATS), this);
  Use_->setObjectName(QStringLiteral("CheckBoxUsePressetFormat"));
  // The type names are the same in every language; the targets are texts.
  TypeGroup_ = NewRadioGroup(LangText(MSG_TYPE), QStringLiteral("RadioGroupPresetType"),
                             {QStringLiteral("VCD"), QStringLiteral("SVCD"), QStringLiteral("DVD")},
                             Types_, 0);
  TargetGroup_ =
      NewRadioGroup(LangText(MSG_TARGET_FORMAT), QStringLiteral("RadioGroupPresetTargetFormat"),
                    {LangText(MSG_TARGET_FORMAT_AUTO), LangText(MSG_TARGET_FORMAT_NTSC),
                     LangText(MSG_TARGET_FORMAT_PAL)},
                    Targets_, 1);

  auto* groups = new QHBoxLayout;
  groups->addWidget(TypeGroup_, 1);
  groups->addWidget(TargetGroup_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Use_);
  layout->addLayout(groups);

  connect(Use_, &QCheckBox::toggled, this, [this](bool on) {
    Guarded([&] {
      State_.SetFlag("UsePresetFormats", on);
      Sync();
      emit Edited();
    });
  });
}

QGroupBox* TPresetFormatsGroup::NewRadioGroup(const QString& title, const QString& name,
                                              const std::vector<QString>& items,
                                              std::vector<QRadioButton*>& buttons, int which) {
  QGroupBox* group = NewGroup(title, name, this);
  auto* layout = new QHBoxLayout(group);
  for (size_t i = 0; i < items.size(); ++i) {
    QRadioButton* radio = NewRadio(items[i], name + QString::number(i), group);
    buttons.push_back(radio);
    layout->addWidget(radio);
    connect(radio, &QRadioButton::toggled, this, [this, i, which](bool on) {
      if (!on) return;
      Guarded([&] {
        TListChoice& choice = which == 0 ? State_.Mpeg->PresetType : State_.Mpeg->TargetFormat;
        choice.Index = static_cast<int>(i);
        Sync();
        emit Edited();
      });
    });
  }
  layout->addStretch();
  return group;
}

void TPresetFormatsGroup::Sync() {
  {
    const QSignalBlocker block(Use_);
    Use_->setChecked(State_.PresetChoicesEnabled());
  }
  CheckOne(Types_, State_.Mpeg->PresetType.Index);
  CheckOne(Targets_, State_.Mpeg->TargetFormat.Index);
  SetAllEnabled({TypeGroup_, TargetGroup_}, State_.PresetChoicesEnabled());
}
