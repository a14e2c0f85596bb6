// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/EnterValue.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Guarded.h"
#include "app/DialogPlacement.h"
#include "editors/EditorText.h"
#include "editors/ValueEntry.h"

TfrmEnterValue::TfrmEnterValue(QWidget* owner, const QString& title, const QString& prompt,
                               int32_t max, int32_t min)
    : QDialog(owner), Max_(max), Min_(min) {
  setObjectName(QStringLiteral("TfrmEnterValue"));
  setWindowTitle(title);
  LabelDisplayMessage_ = new QLabel(prompt, this);
  LabelDisplayMessage_->setObjectName(QStringLiteral("LabelDisplayMessage"));
  LabelDisplayMessage_->setWordWrap(true);
  EditValue_ = new QLineEdit(this);
  EditValue_->setObjectName(QStringLiteral("EditValue"));
  LabelDisplayMessage_->setBuddy(EditValue_);

  btnOK_ = new QPushButton(LangText(MSG_OK), this);
  btnOK_->setObjectName(QStringLiteral("btnOK"));
  btnOK_->setDefault(true);
  btnCancel_ = new QPushButton(LangText(MSG_CANCEL), this);
  btnCancel_->setObjectName(QStringLiteral("btnCancel"));
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(btnOK_, QDialogButtonBox::AcceptRole);
  buttons->addButton(btnCancel_, QDialogButtonBox::RejectRole);
  connect(btnOK_, &QPushButton::clicked, this, [this] { Guarded([this] { btnOKClick(); }); });
  connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LabelDisplayMessage_);
  layout->addWidget(EditValue_);
  layout->addWidget(buttons);
  setMinimumWidth(280);
}

void TfrmEnterValue::btnOKClick() {
  int32_t value = 0;
  if (!AcceptEnteredValue(EditValue_->text().toStdString(), Min_, Max_, value)) {
    EditValue_->setFocus();
    EditValue_->selectAll();
    return;
  }
  Value_ = value;
  accept();
}

int32_t EnterIntegerValue(QWidget* owner, const QString& title, const QString& prompt,
                          int32_t current, int32_t max, int32_t min) {
  TfrmEnterValue dialog(owner, title, prompt, max, min);
  CentreOverOwner(&dialog, owner);
  return dialog.exec() == QDialog::Accepted ? dialog.Value() : current;
}
