// SPDX-License-Identifier: GPL-3.0-or-later
// The file list of the main window.
#include <QAbstractItemModel>
#include <QTreeView>

#include "main/Main.h"

int TfrmMain::FileRowCount() const {
  return ListViewFiles_->model() != nullptr ? ListViewFiles_->model()->rowCount() : 0;
}

void TfrmMain::AddFilesByDialog() {}
