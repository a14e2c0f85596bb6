// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/VideoSizeGroup.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "app/Guarded.h"
#include "editors/EditorText.h"
#include "editors/EditorWidgets.h"
#include "editors/SizeEdit.h"
#include "editors/VideoBlockState.h"

namespace {

void ShowValue(QSpinBox* edit, int value) {
  if (edit->value() == value) return;
  const QSignalBlocker block(edit);
  edit->setValue(value);
}

}  // namespace

TVideoSizeGroup::TVideoSizeGroup(TVideoBlockState& block, const QString& s, QWidget* parent)
    : QGroupBox(LangText(MSG_VIDEO_SIZE), parent), Block_(block) {
  setObjectName("GroupBoxVideoSize" + s);
  Keep_ = NewRadio(LangText(MSG_KEEP_SOURCE_DIM), "RadioButtonKeepSourceSize" + s, this);
  Change_ = NewRadio(LangText(MSG_CHANGE_DIM), "RadioButtonChangVideoSize" + s, this);
  Dimensions_ = NewLabel(LangText(MSG_VIDEO_DIM), "LabelVideoDimensions" + s, this);
  Sizes_ = NewCombo("ComboBoxVideoSize" + s, this);
  for (const TSizeItem& item : block.Desc().Sizes) Sizes_->addItem(QtText(SizeItemText(item)));
  WidthLabel_ = NewLabel(LangText(MSG_VWIDTH), "LabelVideoWidth" + s, this);
  HeightLabel_ = NewLabel(LangText(MSG_VHEIGHT), "LabelVideoHeight" + s, this);
  X_ = NewLabel(QStringLiteral("x"), "LabelX" + s, this);
  Width_ = new TSizeEdit("EditVideoWidth" + s, block.Desc().SizeLimit.MaxWidth, this);
  Height_ = new TSizeEdit("EditVideoHeight" + s, block.Desc().SizeLimit.MaxHeight, this);
  WidthLabel_->setBuddy(Width_);
  HeightLabel_->setBuddy(Height_);
  Dimensions_->setBuddy(Sizes_);

  auto* grid = new QGridLayout(this);
  grid->setColumnMinimumWidth(0, 20);
  grid->addWidget(Keep_, 0, 0, 1, 5);
  grid->addWidget(Change_, 1, 0, 1, 5);
  grid->addWidget(Dimensions_, 2, 1, 1, 4);
  grid->addWidget(Sizes_, 3, 1, 1, 4);
  grid->addWidget(WidthLabel_, 4, 1);
  grid->addWidget(HeightLabel_, 4, 3);
  grid->addWidget(Width_, 5, 1);
  grid->addWidget(X_, 5, 2);
  grid->addWidget(Height_, 5, 3);
  grid->setColumnStretch(4, 1);
  grid->setRowStretch(6, 1);

  connect(Keep_, &QRadioButton::toggled, this, [this](bool on) {
    Guarded([&] {
      Block_.KeepSize = on;
      Changed();
    });
  });
  connect(Sizes_, &QComboBox::activated, this, [this](int index) {
    Guarded([&] {
      Block_.ChooseSize(index);
      Changed();
    });
  });
  connect(Width_, &QSpinBox::valueChanged, this, [this](int v) {
    Guarded([&] {
      Block_.SetWidth(v);
      Changed();
    });
  });
  connect(Height_, &QSpinBox::valueChanged, this, [this](int v) {
    Guarded([&] {
      Block_.SetHeight(v);
      Changed();
    });
  });
  Width_->installEventFilter(this);
  Height_->installEventFilter(this);
}

void TVideoSizeGroup::Changed() {
  Sync();
  emit Edited();
}

bool TVideoSizeGroup::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QSpinBox*>(watched);
  // Coming back from another window (or from the message about a refused
  // number) is not entering the edit again.
  if (edit != nullptr && event->type() == QEvent::FocusIn && Editing_ != edit) {
    Editing_ = edit;
    Guarded([&] {
      if (edit == Width_)
        Block_.EnterWidth();
      else
        Block_.EnterHeight();
    });
  }
  // Only a real change of focus inside the dialog is leaving the field.
  if (edit != nullptr && event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
      Guarded([&] { Leave(edit); });
  }
  return QGroupBox::eventFilter(watched, event);
}

void TVideoSizeGroup::Leave(QSpinBox* edit) {
  if (Editing_ != edit) return;
  Editing_ = nullptr;
  // What is typed counts even when the edit has not taken it yet.
  edit->interpretText();
  // A refused number has been put back and the message shown.
  if (edit == Width_)
    Block_.LeaveWidth();
  else
    Block_.LeaveHeight();
  Changed();
}

void TVideoSizeGroup::FinishEditing() {
  if (Editing_ != nullptr) Guarded([&] { Leave(Editing_); });
}

void TVideoSizeGroup::Sync() {
  CheckOne({Keep_, Change_}, Block_.KeepSize ? 0 : 1);
  ShowValue(Width_, Block_.Width);
  ShowValue(Height_, Block_.Height);
  SelectQuietly(Sizes_, Block_.SizeListIndex);
  SetAllEnabled({Dimensions_, Sizes_, WidthLabel_, HeightLabel_, X_, Width_, Height_},
                Block_.SizeEnabled());
}
