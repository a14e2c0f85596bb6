// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/Name.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogPlacement.h"
#include "app/Guarded.h"
#include "lang/ResStr.h"
#include "store/ProfileUi.h"

namespace {

QString Text(TMsgKey key) {
  return QString::fromStdString(ResStr(key));
}

}  // namespace

TfrmName::TfrmName(QWidget* owner) : QDialog(owner) {
  setObjectName("frmName");
  setWindowTitle(Text(MSG_PROFILE_NAME));
  LabelName = new QLabel(Text(MSG_ENTER_PROFILE_NAME), this);
  LabelName->setObjectName("LabelName");
  EditFileName = new QLineEdit(this);
  EditFileName->setObjectName("EditFileName");
  EditFileName->setMinimumWidth(300);
  LabelName->setBuddy(EditFileName);
  btnOK = new QPushButton(Text(MSG_OK), this);
  btnOK->setObjectName("btnOK");
  btnOK->setDefault(true);
  btnCancel = new QPushButton(Text(MSG_CANCEL), this);
  btnCancel->setObjectName("btnCancel");

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LabelName);
  layout->addWidget(EditFileName);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  // A fixed-size dialog: the layout decides the size, the user cannot change it.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(btnOK, &QPushButton::clicked, this, [this] { Guarded([this] { btnOKClick(); }); });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmName::btnOKClick() {
  if (AcceptProfileName(EditFileName->text().toStdString(), Name_)) {
    Accepted = true;
    accept();
    return;
  }
  Accepted = false;
  EditFileName->setFocus();
  EditFileName->selectAll();
}

bool TfrmName::Ask(QWidget* owner, std::string& name) {
  TfrmName dialog(owner);
  dialog.EditFileName->setText(QString::fromStdString(name));
  dialog.EditFileName->selectAll();
  CentreOverOwner(&dialog, owner);
  dialog.exec();
  if (!dialog.Accepted) return false;
  name = dialog.Name();
  return true;
}
