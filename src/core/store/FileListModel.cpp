// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileListModel.h"

#include <algorithm>

#include "app/Dialogs.h"
#include "base/FileNames.h"
#include "base/FormatText.h"
#include "lang/ResStr.h"

int FileStatePicture(int state) {
  switch (state) {
    case 1: return 3;  // failed
    case 2: return 2;  // done
    case 3: return 1;  // converting
    default: return 0;
  }
}

TAddResult TFileListModel::Check(const std::string& path) const {
  if (TAddResult checked = CheckInputPath(path); checked != TAddResult::Added) return checked;
  for (const TFileRow& r : Rows_)
    if (r.Item.Caption() == path) return TAddResult::Duplicate;
  return TAddResult::Added;
}

TAddResult TFileListModel::Append(const std::string& path, const TMediaStrings& media) {
  for (const TFileRow& r : Rows_)
    if (r.Item.Caption() == path) return TAddResult::Duplicate;
  if (!IsMediaReadable(media)) {
    MessageBoxText(FormatText(ResStr(MSG_FORMAT_ERROR), {path}), ResStr(MSG_Error), MB_ICONINFORMATION);
    return TAddResult::Rejected;
  }
  const int at = Count();
  if (Listener_ != nullptr) Listener_->RowsAboutToBeInserted(at, 1);
  Rows_.push_back({TFileItem{FileNamePart(path), FolderPart(path), media}, 0, {}});
  Selected_.push_back(false);
  if (Listener_ != nullptr) Listener_->RowsInserted(at, 1);
  return TAddResult::Added;
}

TAddResult TFileListModel::Add(const std::string& path) {
  TAddResult checked = Check(path);
  if (checked != TAddResult::Added) return checked;
  return Append(path, QueryMediaStrings(path));
}

bool TFileListModel::IsSelected(int row) const {
  return row >= 0 && row < Count() && Selected_[static_cast<size_t>(row)];
}

void TFileListModel::SetSelected(int row, bool selected) {
  if (row < 0 || row >= Count()) return;
  Selected_[static_cast<size_t>(row)] = selected;
  Changed();
}

void TFileListModel::SetSelection(const std::vector<int>& rows, int focus) {
  std::fill(Selected_.begin(), Selected_.end(), false);
  for (int r : rows)
    if (r >= 0 && r < Count()) Selected_[static_cast<size_t>(r)] = true;
  Focus_ = focus >= 0 && focus < Count() ? focus : -1;
  Changed();
}

TListSelection TFileListModel::SelectionByPath() const {
  TListSelection selection;
  for (int r : SelectedRows()) selection.Paths.push_back(Row(r).Item.Caption());
  if (Focus_ >= 0) selection.Focus = Row(Focus_).Item.Caption();
  return selection;
}

void TFileListModel::RestoreSelection(const TListSelection& selection) {
  std::vector<int> rows;
  int focus = -1;
  for (int r = 0; r < Count(); ++r) {
    const std::string caption = Row(r).Item.Caption();
    if (std::find(selection.Paths.begin(), selection.Paths.end(), caption) != selection.Paths.end())
      rows.push_back(r);
    if (caption == selection.Focus) focus = r;
  }
  SetSelection(rows, focus);
}

std::vector<int> TFileListModel::SelectedRows() const {
  std::vector<int> rows;
  for (int r = 0; r < Count(); ++r)
    if (Selected_[static_cast<size_t>(r)]) rows.push_back(r);
  return rows;
}

int TFileListModel::FirstSelected() const {
  for (int r = 0; r < Count(); ++r)
    if (Selected_[static_cast<size_t>(r)]) return r;
  return -1;
}

void TFileListModel::SelectFileRow(int index) {
  if (Rows_.empty()) return;
  index = std::clamp(index, 0, Count() - 1);
  SetSelection({index}, index);
}

void TFileListModel::SelectAll() {
  std::fill(Selected_.begin(), Selected_.end(), true);
  Changed();
}

bool TFileListModel::DeleteSelected() {
  int lowest = -1;
  for (int r = Count() - 1; r >= 0; --r) {
    if (!Selected_[static_cast<size_t>(r)]) continue;
    if (Listener_ != nullptr) Listener_->RowsAboutToBeRemoved(r, 1);
    Rows_.erase(Rows_.begin() + r);
    Selected_.erase(Selected_.begin() + r);
    if (Listener_ != nullptr) Listener_->RowsRemoved(r, 1);
    lowest = r;
  }
  if (lowest < 0) return false;
  Focus_ = -1;
  SelectFileRow(lowest);
  Changed();
  return true;
}

void TFileListModel::Clear() {
  int count = Count();
  if (count > 0 && Listener_ != nullptr) Listener_->RowsAboutToBeRemoved(0, count);
  Rows_.clear();
  Selected_.clear();
  Focus_ = -1;
  if (count > 0 && Listener_ != nullptr) Listener_->RowsRemoved(0, count);
  Changed();
}

// Row `from` goes in before `insertAt` (an index of the list before the
// move), as one move; the moved row is selected and focused, the other
// rows keep their selection.
bool TFileListModel::MoveRow(int from, int insertAt) {
  if (from < 0 || from >= Count() || insertAt < 0 || insertAt > Count()) return false;
  int landed = insertAt > from ? insertAt - 1 : insertAt;
  if (landed == from) return false;
  if (Listener_ != nullptr) Listener_->RowAboutToBeMoved(from, insertAt);
  TFileRow row = std::move(Rows_[static_cast<size_t>(from)]);
  Rows_.erase(Rows_.begin() + from);
  Selected_.erase(Selected_.begin() + from);
  Rows_.insert(Rows_.begin() + landed, std::move(row));
  Selected_.insert(Selected_.begin() + landed, true);
  if (Listener_ != nullptr) Listener_->RowMoved(from, insertAt);
  Focus_ = landed;
  Changed();
  return true;
}

bool TFileListModel::MoveUp() {
  int row = FirstSelected();
  if (row <= 0) return false;
  return MoveRow(row, row - 1);
}

bool TFileListModel::MoveDown() {
  int row = FirstSelected();
  if (row < 0 || row >= Count() - 1) return false;
  return MoveRow(row, row + 2);
}

bool TFileListModel::DropFocusedRow(int target) {
  if (Focus_ < 0 || Focus_ >= Count()) return false;
  // No row under the pointer: one further than the last row.
  int insertAt = target < 0 || target >= Count() ? Count() : target;
  return MoveRow(Focus_, insertAt);
}

bool TFileListModel::SetFileState(const std::string& path, int state) {
  for (int r = 0; r < Count(); ++r) {
    TFileRow& row = Rows_[static_cast<size_t>(r)];
    if (row.Item.Caption() != path) continue;
    int picture = FileStatePicture(state);
    const bool keepReason = state == 1;  // failed
    if (row.Picture != picture || (!keepReason && !row.Reason.empty())) {
      row.Picture = picture;
      if (!keepReason) row.Reason.clear();
      if (Listener_ != nullptr) Listener_->RowChanged(r);
    }
    return true;
  }
  return false;
}

bool TFileListModel::SetFileReason(const std::string& path, const std::string& reason) {
  for (int r = 0; r < Count(); ++r) {
    TFileRow& row = Rows_[static_cast<size_t>(r)];
    if (row.Item.Caption() != path) continue;
    row.Reason = reason;
    if (Listener_ != nullptr) Listener_->RowChanged(r);
    return true;
  }
  return false;
}

std::string TFileListModel::SummaryText() const {
  if (Rows_.empty()) return ResStr(MSG_STATUS_NOFILES);
  if (Rows_.size() == 1) return ResStr(MSG_STATUS_ONEFILE);
  return FormatText(ResStr(MSG_STATUS_FILES), {std::to_string(Rows_.size())});
}

void TFileListModel::Changed() const {
  if (Listener_ != nullptr) Listener_->SelectionChanged();
}
