// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <vector>

#include "editors/EditorState.h"

class QPushButton;
class QStackedWidget;
class QTabWidget;
class TAudioBlockPage;
class TGeneralTab;
class TVideoBlockPage;

// A profile editor built from its format's description: the General tab, a
// Video tab and an Audio tab holding one page per codec block (only the page
// the lists choose is shown), Save and Close. It works on the format's global
// settings record only through LoadControls and SaveControls; the opener
// writes files.
class TProfileEditor : public QDialog {
  Q_OBJECT

 public:
  TProfileEditor(const TEditorDesc& desc, QWidget* owner);

  // The record into the controls, before showing.
  virtual void LoadControls();
  // The controls into the record, after the dialog closed with OK.
  virtual void SaveControls();

  TEditorState& State() { return State_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

  // Runs the refresh rules of showing and brings every control in line.
  virtual void FormShow();
  // Every control from the state; editors with controls of their own add theirs.
  virtual void SyncAll();

  TGeneralTab* GeneralTab() const { return General_; }
  QTabWidget* Tabs() const { return Tabs_; }
  void btnSaveClick();

 private:
  QWidget* NewCodecTab(const QString& name, const QString& stackName, bool video);

  TEditorState State_;
  QTabWidget* Tabs_;
  TGeneralTab* General_;
  QWidget* VideoTab_ = nullptr;
  QWidget* AudioTab_ = nullptr;
  QStackedWidget* VideoPages_ = nullptr;
  QStackedWidget* AudioPages_ = nullptr;
  std::vector<TVideoBlockPage*> VideoBlockPages_;
  std::vector<TAudioBlockPage*> AudioBlockPages_;
  QPushButton* btnSave_;
  QPushButton* btnClose_;
};
