// SPDX-License-Identifier: GPL-3.0-or-later
// The file list of the main window, the media panel and the output folder.
// Core's TFileListModel holds the rows, the selection and their rules; this
// file shows it and hands it what the user does.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMimeData>
#include <QTreeWidget>

#include "app/Dialogs.h"
#include "app/GlobalVars.h"
#include "app/Guarded.h"
#include "app/ProgramFolder.h"
#include "app/QtMainThread.h"
#include "app/Settings.h"
#include "app/SingleInstance.h"
#include "app/TypeFile.h"
#include "base/FileNames.h"
#include "engine/BatchDriver.h"
#include "engine/FileAdder.h"
#include "lang/ResStr.h"
#include "main/FileInfo.h"
#include "main/FileListView.h"
#include "main/Main.h"
#include "main/MediaPanel.h"
#include "toolkit/PathEdit.h"
#include "toolkit/SkinPixmap.h"

void TfrmMain::CreateFileList() {
  ListViewFiles_ = new TFileListView(this);
  ListModel_ = new TFileListQtModel(List_, this);
  ListViewFiles_->setModel(ListModel_);
  Adder_ = std::make_unique<TFileAdder>(*MainThread_, List_);

  connect(ListModel_, &TFileListQtModel::ListSelectionChanged, this, [this] {
    PushSelectionToView();
    ListChanged();
  });
  connect(ListModel_, &TFileListQtModel::ListRowsChanged, this, [this] { ListChanged(); });
  connect(ListViewFiles_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { TakeSelectionFromView(); });
  connect(ListViewFiles_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { TakeSelectionFromView(); });
  connect(ListViewFiles_, &QAbstractItemView::doubleClicked, this,
          [this] { Guarded([this] { PlaySource(); }); });
  connect(ListViewFiles_, &TFileListView::ContextMenuWanted, this, &TfrmMain::ListContextMenu);
  connect(ListViewFiles_, &TFileListView::FilesDropped, this,
          [this](const std::vector<std::string>& paths) { Guarded([&] { AddInputFiles(paths); }); });
  connect(ListViewFiles_, &TFileListView::RowDropped, this, [this](int target) {
    Guarded([&] {
      EditWhenAddsEnd([this, target] {
        List_.DropFocusedRow(target);
        UpdateSummary();
      });
    });
  });
}

void TfrmMain::SetStatePicturesFromSkin() {
  static constexpr const char* names[4] = {"state_idle.png", "state_converting.png", "state_done.png",
                                           "state_failed.png"};
  std::array<QPixmap, 4> pictures;
  for (size_t i = 0; i < 4; ++i) pictures[i] = LoadSkinFolderPixmap(names[i], devicePixelRatioF());
  ListModel_->SetStatePictures(pictures);
}

int TfrmMain::FileRowCount() const { return List_.Count(); }

bool TfrmMain::AddingFiles() const { return Adder_->Busy(); }

// -------------------------------------------------------------------- selection

// Core's selection shown in the view; the view's own changes go back to core.
void TfrmMain::PushSelectionToView() {
  if (SyncingSelection_) return;
  SyncingSelection_ = true;
  QItemSelection selection;
  for (int row : List_.SelectedRows())
    selection.select(ListModel_->index(row, 0), ListModel_->index(row, ListModel_->columnCount() - 1));
  QItemSelectionModel* model = ListViewFiles_->selectionModel();
  model->select(selection, QItemSelectionModel::ClearAndSelect);
  if (List_.Focus() >= 0) {
    QModelIndex focus = ListModel_->index(List_.Focus(), 0);
    model->setCurrentIndex(focus, QItemSelectionModel::NoUpdate);
    ListViewFiles_->scrollTo(focus);
  }
  SyncingSelection_ = false;
}

void TfrmMain::TakeSelectionFromView() {
  if (SyncingSelection_ || ListModel_->Relaying()) return;
  SyncingSelection_ = true;
  std::vector<int> rows;
  for (const QModelIndex& index : ListViewFiles_->selectionModel()->selectedRows()) rows.push_back(index.row());
  List_.SetSelection(rows, ListViewFiles_->currentIndex().isValid() ? ListViewFiles_->currentIndex().row() : -1);
  SyncingSelection_ = false;
  ListChanged();
}

// After any change of the list: the summary, the media panel from the first
// selected row, and the panel only while there are rows.
void TfrmMain::ListChanged() {
  UpdateSummary();
  int first = List_.FirstSelected();
  ScrollBox_->ShowMediaStrings(first >= 0 ? &List_.Row(first).Item.Media : nullptr);
  ScrollBox_->setVisible(List_.Count() > 0);
}

void TfrmMain::SelectFileRow(int index) { List_.SelectFileRow(index); }

void TfrmMain::SetFileState(const std::string& path, int state) {
  if (List_.SetFileState(path, state)) UpdateSummary();
}

// -------------------------------------------------------------------- adding

void TfrmMain::AddInputFiles(const std::vector<std::string>& paths, std::function<void()> done) {
  Adder_->Add(paths, [this, done = std::move(done)] {
    SelectFileRow(List_.Count());
    UpdateSummary();
    if (done) done();
  });
}

bool TfrmMain::ListenForLaterStarts(const QString& name) {
  auto* instance = new TSingleInstance(name, [this](std::vector<std::string> paths) {
    Guarded([&] { AcceptHandedFiles(paths); });
  }, this);
  return instance->Listening();
}

void TfrmMain::AcceptHandedFiles(const std::vector<std::string>& paths) {
  // The batch works on the list as it was when it began; what arrives now
  // waits for its end rather than slipping into a list being converted.
  if (Converting_) {
    Handed_.insert(Handed_.end(), paths.begin(), paths.end());
  } else if (!paths.empty()) {
    AddInputFiles(paths);
  }
  QWidget* front = QApplication::activeModalWidget();
  if (front == nullptr && isVisible()) front = this;
  if (front != nullptr) {
    if (front->isMinimized()) front->showNormal();
    front->raise();
    front->activateWindow();
  }
}

void TfrmMain::AddFilesByDialog() {
  TFileDialogRequest request;
  request.Folder = GlobalVars.LastInputOpenDir;
  request.Filter = InputFilter();
  request.MultiSelect = true;
  std::vector<std::string> files;
  if (OpenFilesDialog(request, files)) {
    AddInputFiles(files);
    GlobalVars.LastInputOpenDir = ExcludeBackslash(FolderPart(files.front()));
  }
  // Written at once, whether or not files were chosen.
  WriteSettingText("System", "LastInputOpenDir", GlobalVars.LastInputOpenDir);
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls())
    event->acceptProposedAction();
  else
    event->ignore();
}

// Files dropped anywhere on the window; folders are skipped, not searched.
void TfrmMain::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasUrls()) return;
  event->acceptProposedAction();
  std::vector<std::string> paths = DroppedFiles(event->mimeData());
  Guarded([&] { AddInputFiles(paths); });
}

// -------------------------------------------------------------------- removing and ordering

// An edit pressed while files are being added runs once they are all in, on
// the rows that were selected when it was pressed (the end of an add selects
// the last row).
void TfrmMain::EditWhenAddsEnd(std::function<void()> edit) {
  if (!Adder_->Busy()) {
    edit();
    return;
  }
  Adder_->WhenIdle([this, pressedOn = List_.SelectionByPath(), edit = std::move(edit)] {
    List_.RestoreSelection(pressedOn);
    edit();
  });
}

void TfrmMain::DeleteSelectedFiles() {
  EditWhenAddsEnd([this] {
    List_.DeleteSelected();
    UpdateSummary();
  });
}

void TfrmMain::ClearList() {
  Adder_->WhenIdle([this] { List_.Clear(); });
}

void TfrmMain::MoveFile(bool up) {
  EditWhenAddsEnd([this, up] { up ? List_.MoveUp() : List_.MoveDown(); });
}

void TfrmMain::PlaySource() {
  int row = List_.FirstSelected();
  if (row < 0) return;
  ShellOpen(List_.Row(row).Item.Caption());
}

void TfrmMain::ShowMoreInformation() {
  int row = List_.FirstSelected();
  if (row < 0) return;
  const TFileItem& item = List_.Row(row).Item;
  ShowFileInfo(this, IncludeBackslash(item.FilePath) + item.FileName);
}

void TfrmMain::ListContextMenu(const QPoint& globalPos) {
  Menu(List_.FirstSelected() >= 0 ? "PopupMenuListViewHaveFile" : "PopupMenuListViewNoFile")->popup(globalPos);
}

// -------------------------------------------------------------------- output folder

void TfrmMain::OutputBrowse() {
  std::string path = GlobalVars.LastOutputOpenDir;
  if (BrowseForFolder(path, ResStr(MSG_SELECT_FOLDER), BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE, "")) {
    GlobalVars.LastOutputOpenDir = path;
    EditOutputFileName_->SetPath(path);
  }
  WriteSettingText("System", "LastOutputOpenDir", GlobalVars.LastOutputOpenDir);
}

void TfrmMain::OpenDestinationFolder() {
  std::string folder;
  if (CheckOutputFolder(EditOutputFileName_->Path(), &folder)) ShellOpen(folder);
}
