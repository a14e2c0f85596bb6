// SPDX-License-Identifier: GPL-3.0-or-later
// The file list's Qt model keeps Qt's model contract through every change
// core makes: Qt's own model tester watches it, and a sorting proxy with a
// view of its own (a second reader of the rows) always agrees with core.
#include "main/FileListView.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Complaints;

void Collect(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtDebugMsg && type != QtInfoMsg)
    Complaints.push_back(std::string(context.category ? context.category : "") + ": " +
                         text.toStdString());
}

TMediaStrings Media() {
  TMediaStrings m;
  m.fill("1");
  return m;
}

}  // namespace

TEST(FileListQtModel, KeepsQtsModelContractThroughEveryChange) {
  TFileListModel list;
  TFileListQtModel model(list);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
  QSortFilterProxyModel proxy;
  proxy.setSourceModel(&model);
  proxy.sort(0);
  QTreeView view;
  view.setModel(&proxy);
  view.selectionModel()->select(proxy.index(0, 0), QItemSelectionModel::Select);

  Complaints.clear();
  QtMessageHandler previous = qInstallMessageHandler(Collect);
  auto rows = [&] {
    std::vector<std::string> core, seen;
    for (const TFileRow& r : list.Rows()) core.push_back(r.Item.Caption());
    for (int i = 0; i < proxy.rowCount(); ++i)
      seen.push_back(proxy.mapToSource(proxy.index(i, 0)).data().toString().toStdString());
    std::sort(core.begin(), core.end());
    std::sort(seen.begin(), seen.end());
    return core == seen && model.rowCount() == list.Count();
  };
  const std::vector<std::pair<const char*, std::function<void()>>> steps = {
      {"append",
       [&] {
         for (const char* n : {"/v/c", "/v/a", "/v/d", "/v/b", "/v/e"}) list.Append(n, Media());
       }},
      {"down",
       [&] {
         list.SelectFileRow(0);
         list.MoveDown();
       }},
      {"up",
       [&] {
         list.SelectFileRow(4);
         list.MoveUp();
       }},
      {"drop to the end",
       [&] {
         list.SelectFileRow(1);
         list.DropFocusedRow(-1);
       }},
      {"drop on the first row",
       [&] {
         list.SelectFileRow(3);
         list.DropFocusedRow(0);
       }},
      {"delete two",
       [&] {
         list.SetSelection({1, 3}, 1);
         list.DeleteSelected();
       }},
      {"state", [&] { list.SetFileState("/v/a", 2); }},
      {"clear", [&] { list.Clear(); }},
      {"append again", [&] { list.Append("/v/f", Media()); }},
  };
  for (const auto& [name, step] : steps) {
    step();
    EXPECT_TRUE(rows()) << name;
  }
  qInstallMessageHandler(previous);
  std::string said;
  for (const std::string& c : Complaints) said += c + "\n";
  EXPECT_EQ(said, "");
}
