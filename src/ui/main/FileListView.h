// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QPixmap>
#include <QTreeView>
#include <array>
#include <string>
#include <vector>

#include "store/FileListModel.h"

// The file list as Qt sees it: seventeen columns (the caption, then the
// sixteen media strings, which stay out of sight), the state picture of
// each row, over core's file-list model.
class TFileListQtModel final : public QAbstractTableModel, public TFileListListener {
  Q_OBJECT
 public:
  explicit TFileListQtModel(TFileListModel& list, QObject* parent = nullptr);

  // The four state pictures, by picture index (idle, converting, done, failed).
  void SetStatePictures(const std::array<QPixmap, 4>& pictures);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // TFileListListener
  void RowsAboutToBeInserted(int first, int count) override;
  void RowsInserted(int first, int count) override;
  void RowsAboutToBeRemoved(int first, int count) override;
  void RowsRemoved(int first, int count) override;
  void RowAboutToBeMoved(int from, int before) override;
  void RowMoved(int from, int before) override;
  void RowChanged(int row) override;
  void SelectionChanged() override;

  // While a change of core's rows is passed on: what the view's selection
  // says then is its own bookkeeping, not the user's choice, and core
  // already holds the selection it will show once the change is told.
  bool Relaying() const { return Relaying_; }

 signals:
  void ListSelectionChanged();
  void ListRowsChanged();

 private:
  TFileListModel& List_;
  std::array<QPixmap, 4> States_;
  bool Relaying_ = false;
};

// The report view of the file list: whole rows, several at a time, no
// headers. Rows are reordered by dragging them inside the list (and only
// there); files dropped from elsewhere are handed on.
class TFileListView final : public QTreeView {
  Q_OBJECT
 public:
  explicit TFileListView(QWidget* parent = nullptr);

 signals:
  // A row of this list dropped on row `target` (-1: below the last row).
  void RowDropped(int target);
  // Files dropped from outside, in the order given.
  void FilesDropped(const std::vector<std::string>& paths);
  void ContextMenuWanted(const QPoint& globalPos);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPoint PressPos_;
  bool MayDrag_ = false;
};

// The local files among dropped addresses, whole (never cut to a length),
// in the order given.
std::vector<std::string> DroppedFiles(const class QMimeData* data);

// The MIME type a row dragged inside the list travels as.
inline constexpr const char* kFileRowMime = "application/x-kinovert-file-row";
