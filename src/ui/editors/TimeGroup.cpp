// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/TimeGroup.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "app/Guarded.h"
#include "editors/EditorState.h"
#include "editors/EditorText.h"
#include "editors/EditorWidgets.h"

namespace {

constexpr TTimeField kFields[] = {TTimeField::Start, TTimeField::End, TTimeField::Duration};

}  // namespace

TTimeGroup::TTimeGroup(TEditorState& state, QWidget* parent)
    : QGroupBox(LangText(MSG_TIME_CONTROL), parent), State_(state) {
  setObjectName(QStringLiteral("GroupBoxTimeControl"));
  Enable_ = new QCheckBox(LangText(MSG_ENABLE_TIME_CONTROL), this);
  Enable_->setObjectName(QStringLiteral("CheckBoxEnableTimeControl"));
  StartLabel_ = NewLabel(LangText(MSG_START_TIME), QStringLiteral("LabelStartTime"), this);
  EndLabel_ = NewLabel(LangText(MSG_END_TIME), QStringLiteral("LabelEndTime"), this);
  DurationLabel_ = NewLabel(LangText(MSG_DURATION), QStringLiteral("LabelDuration"), this);
  Hint_ = NewLabel(LangText(MSG_HH_MN), QStringLiteral("LabelTimeLabel"), this);
  NewField(TTimeField::Start, QStringLiteral("EditStartTime"));
  NewField(TTimeField::End, QStringLiteral("EditEndTime"));
  NewField(TTimeField::Duration, QStringLiteral("EditDuration"));
  StartLabel_->setBuddy(Fields_[0]);
  EndLabel_->setBuddy(Fields_[1]);
  DurationLabel_->setBuddy(Fields_[2]);

  auto* grid = new QGridLayout(this);
  grid->addWidget(Enable_, 0, 0, 1, 4);
  grid->addWidget(StartLabel_, 1, 0);
  grid->addWidget(EndLabel_, 1, 1);
  grid->addWidget(DurationLabel_, 1, 2);
  grid->addWidget(Fields_[0], 2, 0);
  grid->addWidget(Fields_[1], 2, 1);
  grid->addWidget(Fields_[2], 2, 2);
  grid->addWidget(Hint_, 2, 3);
  grid->setColumnStretch(3, 1);

  connect(Enable_, &QCheckBox::toggled, this, [this](bool on) {
    Guarded([&] {
      State_.SetFlag("EnableTimeControl", on);
      Sync();
      emit Edited();
    });
  });
}

QLineEdit* TTimeGroup::NewField(TTimeField field, const QString& name) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000:00:00.000")));
  Fields_[static_cast<int>(field)] = edit;
  edit->installEventFilter(this);
  connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
    Guarded([&] { State_.Time.SetText(field, text.toStdString()); });
  });
  return edit;
}

bool TTimeGroup::eventFilter(QObject* watched, QEvent* event) {
  for (TTimeField field : kFields) {
    if (watched != Fields_[static_cast<int>(field)]) continue;
    if (event->type() == QEvent::FocusIn) {
      // Coming back from another window is not entering the field again.
      if (Editing_ == static_cast<int>(field)) continue;
      Guarded([&] { State_.Time.Enter(field); });
      Editing_ = static_cast<int>(field);
    } else if (event->type() == QEvent::FocusOut) {
      // Switching to another window is not leaving the field.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        Guarded([&] { Leave(field); });
    }
  }
  return QGroupBox::eventFilter(watched, event);
}

void TTimeGroup::Leave(TTimeField field) {
  if (Editing_ != static_cast<int>(field)) return;
  Editing_ = -1;
  State_.Time.Leave(field);
  Sync();
  emit Edited();
}

void TTimeGroup::FinishEditing() {
  if (Editing_ >= 0) Guarded([&] { Leave(static_cast<TTimeField>(Editing_)); });
}

void TTimeGroup::Sync() {
  {
    const QSignalBlocker block(Enable_);
    Enable_->setChecked(State_.TimeControlsEnabled());
  }
  for (TTimeField field : kFields) {
    QLineEdit* edit = Fields_[static_cast<int>(field)];
    const QString text = QString::fromStdString(State_.Time.Text(field));
    if (edit->text() != text) edit->setText(text);
  }
  SetAllEnabled({Hint_, StartLabel_, EndLabel_, DurationLabel_, Fields_[0], Fields_[1], Fields_[2]},
                State_.TimeControlsEnabled());
}
