// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/ProfileEditor.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/Guarded.h"
#include "editors/AudioBlockPage.h"
#include "editors/EditorText.h"
#include "editors/EditorWidgets.h"
#include "editors/GeneralTab.h"
#include "editors/VideoBlockPage.h"

TProfileEditor::TProfileEditor(const TEditorDesc& desc, QWidget* owner)
    : QDialog(owner), State_(desc) {
  setObjectName(
      QString::fromUtf8(desc.FormName.data(), static_cast<qsizetype>(desc.FormName.size())));
  setWindowTitle(LangFormat(MSG_PROFILE_EDITOR, {ResStr(desc.FormatName)}));
  setModal(true);

  Tabs_ = new QTabWidget(this);
  Tabs_->setObjectName(QStringLiteral("PageControlOptions"));
  General_ = new TGeneralTab(State_, Tabs_);
  connect(General_, &TGeneralTab::Edited, this, &TProfileEditor::SyncAll);
  Tabs_->addTab(General_, LangText(MSG_PROFILE_GENERAL));
  if (!State_.VideoBlocks.empty()) {
    VideoTab_ =
        NewCodecTab(QStringLiteral("TabSheetVideo"), QStringLiteral("PageControlVCodec"), true);
    Tabs_->addTab(VideoTab_, LangText(MSG_VIDEO_PAGE));
  }
  if (!State_.AudioBlocks.empty()) {
    AudioTab_ =
        NewCodecTab(QStringLiteral("TabSheetAudio"), QStringLiteral("PageControlACodec"), false);
    Tabs_->addTab(AudioTab_, LangText(MSG_AUDIO_PAGE));
  }

  btnSave_ = new QPushButton(LangText(MSG_SAVE), this);
  btnSave_->setObjectName(QStringLiteral("btnSave"));
  btnSave_->setDefault(true);
  btnClose_ = new QPushButton(LangText(MSG_CLOSE), this);
  btnClose_->setObjectName(QStringLiteral("btnClose"));
  connect(btnSave_, &QPushButton::clicked, this, [this] { Guarded([this] { btnSaveClick(); }); });
  connect(btnClose_, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnSave_);
  buttons->addWidget(btnClose_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Tabs_);
  layout->addLayout(buttons);
}

QWidget* TProfileEditor::NewCodecTab(const QString& name, const QString& stackName, bool video) {
  auto* tab = new QWidget(Tabs_);
  tab->setObjectName(name);
  auto* pages = new QStackedWidget(tab);
  pages->setObjectName(stackName);
  (new QVBoxLayout(tab))->addWidget(pages);
  if (video) {
    VideoPages_ = pages;
    for (TVideoBlockState& block : State_.VideoBlocks) {
      auto* page = new TVideoBlockPage(block, pages);
      connect(page, &TVideoBlockPage::Edited, this, &TProfileEditor::SyncAll);
      pages->addWidget(page);
      VideoBlockPages_.push_back(page);
    }
  } else {
    AudioPages_ = pages;
    for (TAudioBlockState& block : State_.AudioBlocks) {
      auto* page = new TAudioBlockPage(block, pages);
      connect(page, &TAudioBlockPage::Edited, this, &TProfileEditor::SyncAll);
      pages->addWidget(page);
      AudioBlockPages_.push_back(page);
    }
  }
  return tab;
}

void TProfileEditor::LoadControls() {
  State_.Load();
  SyncAll();
}

void TProfileEditor::SaveControls() {
  State_.Save();
}

void TProfileEditor::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  Guarded([this] { FormShow(); });
  Tabs_->setCurrentWidget(General_);
}

void TProfileEditor::FormShow() {
  State_.Show();
  SyncAll();
}

void TProfileEditor::SyncAll() {
  General_->Sync();
  for (TVideoBlockPage* page : VideoBlockPages_) page->Sync();
  for (TAudioBlockPage* page : AudioBlockPages_) page->Sync();
  if (VideoPages_ != nullptr) {
    VideoPages_->setCurrentIndex(State_.VideoPage());
    ShowTab(Tabs_, VideoTab_, State_.VideoTabVisible());
  }
  if (AudioPages_ != nullptr) {
    AudioPages_->setCurrentIndex(State_.AudioPage());
    ShowTab(Tabs_, AudioTab_, State_.AudioTabVisible());
  }
}

void TProfileEditor::btnSaveClick() {
  // Taking the focus runs the exit handling of the field being edited (a
  // time reverted or normalised, a size made even) before the dialog closes.
  btnSave_->setFocus(Qt::OtherFocusReason);
  General_->FinishEditing();
  for (TVideoBlockPage* page : VideoBlockPages_) page->FinishEditing();
  accept();
}

void TProfileEditor::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      reject();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      btnSave_->click();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}
