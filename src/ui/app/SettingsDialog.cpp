// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/DialogPlacement.h"
#include "app/Guarded.h"
#include "app/Settings.h"
#include "app/SettingsChoices.h"
#include "lang/ResStr.h"

namespace {

// The client area the dialog keeps unless a language needs more.
constexpr int kWidth = 356;
constexpr int kHeight = 249;
constexpr int kButtonStrip = 39;

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}
QString Text(TMsgKey key) {
  return Q(ResStr(key));
}

template <class T>
T* Make(QWidget* parent, const char* name) {
  auto* w = new T(parent);
  w->setObjectName(name);
  return w;
}

// The narrowest width at which a wrapping label takes at most two lines.
int TwoLineWidth(const QLabel* label) {
  const int full = label->fontMetrics().horizontalAdvance(label->text()) + 2;
  const int twoLines = 2 * label->fontMetrics().lineSpacing();
  int width = full / 2;
  while (width < full && label->heightForWidth(width) > twoLines) width += 4;
  return std::min(width, full);
}

void Fill(QComboBox* box, const std::vector<std::string>& items) {
  box->clear();
  for (const std::string& item : items) box->addItem(Q(item));
}

}  // namespace

TfrmSettings::TfrmSettings(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("frmSettings");
  setWindowTitle(Text(MSG_SETTINGS_TITLE));
  PageControlOptions = Make<QTabWidget>(this, "PageControlOptions");
  TabSheetGeneral = Make<QWidget>(PageControlOptions, "TabSheetGeneral");
  PageControlOptions->addTab(TabSheetGeneral, Text(MSG_GENERAL_PAGE));

  GroupBoxPriority = Make<QGroupBox>(TabSheetGeneral, "GroupBoxPriority");
  GroupBoxPriority->setTitle(Text(MSG_THREADPRIORITY));
  ComboBoxPriority = Make<QComboBox>(GroupBoxPriority, "ComboBoxPriority");
  ComboBoxPriority->setMinimumWidth(177);
  ComboBoxPriority->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  Fill(ComboBoxPriority, PriorityChoices());
  LabelPriorityNote = Make<QLabel>(GroupBoxPriority, "LabelPriorityNote");
  LabelPriorityNote->setTextFormat(Qt::PlainText);
  LabelPriorityNote->setText(Text(MSG_PRIORITY_NOT_ALLOWED));
  LabelPriorityNote->setWordWrap(true);
  auto* priorityRow = new QHBoxLayout;
  priorityRow->addWidget(ComboBoxPriority);
  priorityRow->addStretch();
  auto* priority = new QVBoxLayout(GroupBoxPriority);
  priority->addLayout(priorityRow);
  priority->addWidget(LabelPriorityNote);

  GroupBoxDirectShow = Make<QGroupBox>(TabSheetGeneral, "GroupBoxDirectShow");
  GroupBoxDirectShow->setTitle(Text(MSG_DIRECTSHOW));
  CheckBoxDirectShow = Make<QCheckBox>(GroupBoxDirectShow, "CheckBoxDirectShow");
  CheckBoxDirectShow->setText(Text(MSG_USE_DIRECTSHOW));
  auto* directShow = new QHBoxLayout(GroupBoxDirectShow);
  directShow->addWidget(CheckBoxDirectShow);

  GroupBoxSources = Make<QGroupBox>(TabSheetGeneral, "GroupBoxSources");
  GroupBoxSources->setTitle(Text(MSG_SOURCE_FILES));
  CheckBoxDelSource = Make<QCheckBox>(GroupBoxSources, "CheckBoxDelSource");
  CheckBoxDelSource->setText(Text(MSG_DEL_AFTER));
  auto* sources = new QHBoxLayout(GroupBoxSources);
  sources->addWidget(CheckBoxDelSource);

  LabelShutDown = Make<QLabel>(TabSheetGeneral, "LabelShutDown");
  LabelShutDown->setTextFormat(Qt::PlainText);
  LabelShutDown->setText(Text(MSG_SHUTDOWN_REAL_DOES));
  // A long translation takes a second line rather than the list's room, but
  // never a third: the dialog grows instead.
  LabelShutDown->setWordWrap(true);
  LabelShutDown->setMinimumWidth(TwoLineWidth(LabelShutDown));
  ComboBoxShutdownFlag = Make<QComboBox>(TabSheetGeneral, "ComboBoxShutdownFlag");
  ComboBoxShutdownFlag->setMinimumWidth(145);
  ComboBoxShutdownFlag->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  Fill(ComboBoxShutdownFlag, ShutdownChoices());
  LabelShutDown->setBuddy(ComboBoxShutdownFlag);
  auto* shutdown = new QHBoxLayout;
  shutdown->addWidget(LabelShutDown, 1);
  shutdown->addWidget(ComboBoxShutdownFlag);

  auto* page = new QVBoxLayout(TabSheetGeneral);
  page->addWidget(GroupBoxPriority);
  page->addWidget(GroupBoxDirectShow);
  page->addWidget(GroupBoxSources);
  page->addStretch();
  page->addLayout(shutdown);

  ButtonOK = Make<QPushButton>(this, "ButtonOK");
  ButtonOK->setText(Text(MSG_OK));
  ButtonOK->setDefault(true);
  ButtonCancel = Make<QPushButton>(this, "ButtonCancel");
  ButtonCancel->setText(Text(MSG_CANCEL));
  ButtonCancel->setAutoDefault(false);
  auto* strip = new QWidget(this);
  strip->setFixedHeight(kButtonStrip);
  auto* buttons = new QHBoxLayout(strip);
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->addStretch();
  buttons->addWidget(ButtonOK);
  buttons->addWidget(ButtonCancel);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 0);
  layout->setSpacing(0);
  layout->addWidget(PageControlOptions, 1);
  layout->addWidget(strip);
  connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(ComboBoxPriority, &QComboBox::currentIndexChanged, this,
          [this] { UpdatePriorityNote(); });
  connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);

  // A fixed border: the client area stays as designed, larger only where a
  // language's texts need the room, the priority note's included (hidden,
  // its room goes to the space above the shutdown list).
  LabelPriorityNote->setMinimumWidth(TwoLineWidth(LabelPriorityNote));
  const QSize need = sizeHint().expandedTo(minimumSizeHint());
  setFixedSize(std::max(kWidth, need.width()), std::max(kHeight, need.height()));
  Rights = CurrentNiceRights();
  UpdatePriorityNote();
}

void TfrmSettings::LoadSettingsDialog() {
  TSettingsDialogValues v = ::LoadSettingsDialog();
  ComboBoxPriority->setCurrentIndex(v.Priority);
  ComboBoxShutdownFlag->setCurrentIndex(v.ShutdownFlag);
  CheckBoxDirectShow->setChecked(v.UseDirectShow);
  CheckBoxDelSource->setChecked(v.DeleteSources);
  UpdatePriorityNote();
}

void TfrmSettings::UpdatePriorityNote() {
  LabelPriorityNote->setVisible(!PriorityChoiceAllowed(Rights, ComboBoxPriority->currentIndex()));
}

void TfrmSettings::StoreSettingsDialog() const {
  ::StoreSettingsDialog({ComboBoxPriority->currentIndex(), ComboBoxShutdownFlag->currentIndex(),
                         CheckBoxDirectShow->isChecked(), CheckBoxDelSource->isChecked()});
}

bool TfrmSettings::Run(QWidget* owner) {
  TfrmSettings dialog(owner);
  CentreOverOwner(&dialog, owner);
  dialog.LoadSettingsDialog();
  if (dialog.exec() != QDialog::Accepted) return false;
  Guarded([&] {
    dialog.StoreSettingsDialog();
    SaveSettings();
  });
  return true;
}
