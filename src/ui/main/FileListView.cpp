// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/FileListView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <algorithm>

#include "app/UtilFuncs.h"
#include "toolkit/PathText.h"

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.c_str()); }

// Width of the caption column; the sixteen media columns stay at 0.
constexpr int kCaptionWidth = 460;

}  // namespace

TFileListQtModel::TFileListQtModel(TFileListModel& list, QObject* parent)
    : QAbstractTableModel(parent), List_(list) {
  List_.SetListener(this);
}

void TFileListQtModel::SetStatePictures(const std::array<QPixmap, 4>& pictures) {
  States_ = pictures;
  if (List_.Count() > 0) emit dataChanged(index(0, 0), index(List_.Count() - 1, 0), {Qt::DecorationRole});
}

int TFileListQtModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : List_.Count();
}

int TFileListQtModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 1 + static_cast<int>(kMediaStringCount);
}

QVariant TFileListQtModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= List_.Count()) return {};
  const TFileRow& row = List_.Row(index.row());
  if (index.column() == 0) {
    switch (role) {
      case Qt::DisplayRole:
        return ShownName(row.Item.Caption());
      // A failed file's tip tells why.
      case Qt::ToolTipRole:
        return PlainToolTip(row.Reason.empty() ? ShownName(row.Item.Caption())
                                               : ShownName(row.Item.Caption()) + '\n' + Q(row.Reason));
      case Qt::DecorationRole: {
        const QPixmap& p = States_[static_cast<size_t>(row.Picture)];
        return p.isNull() ? QVariant() : QVariant(p);
      }
      default: return {};
    }
  }
  if (role == Qt::DisplayRole)
    return Q(NonEmptyOr(row.Item.Media[static_cast<size_t>(index.column() - 1)]));
  return {};
}

Qt::ItemFlags TFileListQtModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::ItemIsDropEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

// Core tells each change of its rows before and after it makes it, so the
// model brackets the change itself as Qt's model contract asks.
void TFileListQtModel::RowsAboutToBeInserted(int first, int count) {
  Relaying_ = true;
  beginInsertRows({}, first, first + count - 1);
}

void TFileListQtModel::RowsInserted(int, int) {
  endInsertRows();
  Relaying_ = false;
  emit ListRowsChanged();
}

void TFileListQtModel::RowsAboutToBeRemoved(int first, int count) {
  Relaying_ = true;
  beginRemoveRows({}, first, first + count - 1);
}

void TFileListQtModel::RowsRemoved(int, int) {
  endRemoveRows();
  Relaying_ = false;
  emit ListRowsChanged();
}

void TFileListQtModel::RowAboutToBeMoved(int from, int before) {
  Relaying_ = true;
  beginMoveRows({}, from, from, {}, before);
}

void TFileListQtModel::RowMoved(int, int) {
  endMoveRows();
  Relaying_ = false;
  emit ListRowsChanged();
}

void TFileListQtModel::RowChanged(int row) {
  emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void TFileListQtModel::SelectionChanged() { emit ListSelectionChanged(); }

// -------------------------------------------------------------------- view

TFileListView::TFileListView(QWidget* parent) : QTreeView(parent) {
  setObjectName("ListViewFiles");
  setHeaderHidden(true);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setIconSize(QSize(20, 18));
  setAcceptDrops(true);
  setDragEnabled(false);  // the list starts its own drags
  setDropIndicatorShown(true);
  setFrameShape(QFrame::NoFrame);
  header()->setStretchLastSection(false);
  header()->setMinimumSectionSize(0);
  header()->setDefaultSectionSize(0);
  connect(header(), &QHeaderView::sectionCountChanged, this, [this](int, int count) {
    header()->resizeSection(0, std::max(kCaptionWidth, viewport()->width()));
    for (int c = 1; c < count; ++c) setColumnHidden(c, true);
  });
}

void TFileListView::mousePressEvent(QMouseEvent* event) {
  PressPos_ = event->position().toPoint();
  MayDrag_ = event->button() == Qt::LeftButton && indexAt(PressPos_).isValid();
  QTreeView::mousePressEvent(event);
}

void TFileListView::mouseMoveEvent(QMouseEvent* event) {
  if (MayDrag_ && (event->buttons() & Qt::LeftButton) &&
      (event->position().toPoint() - PressPos_).manhattanLength() >= QApplication::startDragDistance()) {
    MayDrag_ = false;
    auto* mime = new QMimeData;
    mime->setData(kFileRowMime, QByteArray::number(currentIndex().row()));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(Qt::MoveAction);
    return;
  }
  QTreeView::mouseMoveEvent(event);
}

void TFileListView::dragEnterEvent(QDragEnterEvent* event) {
  const QMimeData* m = event->mimeData();
  // A row is welcome only when it comes from this very list.
  if ((m->hasFormat(kFileRowMime) && event->source() == this) || m->hasUrls())
    event->acceptProposedAction();
  else
    event->ignore();
}

void TFileListView::dragMoveEvent(QDragMoveEvent* event) {
  const QMimeData* m = event->mimeData();
  if ((m->hasFormat(kFileRowMime) && event->source() == this) || m->hasUrls())
    event->acceptProposedAction();
  else
    event->ignore();
}

void TFileListView::dropEvent(QDropEvent* event) {
  const QMimeData* m = event->mimeData();
  if (m->hasFormat(kFileRowMime) && event->source() == this) {
    QModelIndex target = indexAt(event->position().toPoint());
    event->acceptProposedAction();
    emit RowDropped(target.isValid() ? target.row() : -1);
  } else if (m->hasUrls()) {
    event->acceptProposedAction();
    emit FilesDropped(DroppedFiles(m));
  } else {
    event->ignore();
  }
}

// The name column is at least its 460 pixels and as wide as the list, so a
// selected row is marked across the whole list.
void TFileListView::resizeEvent(QResizeEvent* event) {
  QTreeView::resizeEvent(event);
  header()->resizeSection(0, std::max(kCaptionWidth, viewport()->width()));
}

void TFileListView::contextMenuEvent(QContextMenuEvent* event) { emit ContextMenuWanted(event->globalPos()); }

std::vector<std::string> DroppedFiles(const QMimeData* data) {
  std::vector<std::string> paths;
  if (data == nullptr) return paths;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) paths.push_back(LocalPathOf(url));
  return paths;
}
