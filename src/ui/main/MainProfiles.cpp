// SPDX-License-Identifier: GPL-3.0-or-later
// The profile side of the main window: the sixteen profile boxes, the device
// menus, the device-format list and the device box, and the profile actions.
// TProfileStore holds all of it and its rules; this file shows it.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QMenu>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "app/GlobalVars.h"
#include "app/Guarded.h"
#include "app/QtDialogProvider.h"
#include "editors/ProfileEditors.h"
#include "main/Main.h"
#include "main/WindowProfileUi.h"
#include "store/TargetTable.h"
#include "toolkit/PathEdit.h"
#include "toolkit/PathText.h"

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.c_str()); }

// The editor over a busy (wait) cursor: while it is open the pointer is the
// normal one.
bool RunEditor(QWidget* owner, int outputFormat) {
  TNormalCursorWhileOpen normal;
  return RunProfileEditor(owner, outputFormat);
}

}  // namespace

void TfrmMain::ConnectProfileBoxes() {
  Store_.SetListener(this);
  for (const TTargetInfo& t : Targets) {
    QComboBox* box = ProfileBoxes_[std::string(t.FormatBoxName)];
    int format = t.Format;
    connect(box, &QComboBox::activated, this, [this, format](int index) {
      Guarded([&] { Store_.SelectProfile(format, index); });
    });
  }
  connect(ProfileBoxes_[std::string(kDeviceProfileBoxName)], &QComboBox::activated, this,
          [this](int index) { Guarded([&] { Store_.Devices().SelectItem(index); }); });
  connect(ListViewFormats_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    Guarded([&] { ChooseDeviceEntry(ListViewFormats_->indexOfTopLevelItem(item)); });
  });
  connect(ListViewFormats_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item != nullptr && !FillingDevices_)
      Guarded([&] { ChooseDeviceEntry(ListViewFormats_->indexOfTopLevelItem(item)); });
  });
}

void TfrmMain::ProfileBoxChanged(int outputFormat) {
  const TTargetInfo* t = TargetOf(outputFormat);
  if (t == nullptr) return;
  QComboBox* box = ProfileBoxes_[std::string(t->FormatBoxName)];
  QSignalBlocker quiet(box);
  box->clear();
  for (const TProfileEntry& p : Store_.Profiles(outputFormat)) box->addItem(Q(p.Name));
  box->setCurrentIndex(Store_.ProfileIndex(outputFormat));
}

// The device entries become radio items of their menus and rows of the
// device-format list, in the order the store made them.
void TfrmMain::BuildDeviceMenus() {
  FillingDevices_ = true;
  ListViewFormats_->clear();
  for (int g = 0; g < 2; ++g) {
    Menu(g == dgMP4 ? "PopupMenuMP4" : "PopupMenu3GP")->clear();
    delete DeviceGroups_[static_cast<size_t>(g)];
    DeviceGroups_[static_cast<size_t>(g)] = new QActionGroup(this);
  }
  DeviceEntries_.clear();
  const std::vector<TDeviceEntry>& entries = Store_.Devices().Entries();
  for (size_t n = 0; n < entries.size(); ++n) {
    const TDeviceEntry& e = entries[n];
    QMenu* menu = Menu(e.Group == dgMP4 ? "PopupMenuMP4" : "PopupMenu3GP");
    QAction* entry = menu->addAction(Q(e.Title));
    entry->setCheckable(true);
    DeviceGroups_[static_cast<size_t>(e.Group)]->addAction(entry);
    int index = static_cast<int>(n);
    connect(entry, &QAction::triggered, this, [this, index] { Guarded([&] { ChooseDeviceEntry(index); }); });
    DeviceEntries_.push_back(entry);
    auto* row = new QTreeWidgetItem(ListViewFormats_, QStringList{Q(e.Title)});
    row->setToolTip(0, PlainToolTip(ShownName(e.FileName)));
  }
  FillingDevices_ = false;
  // A target whose menu offers nothing cannot be chosen from "Convert to".
  ConvertToEntries_[ofMP4]->setEnabled(!Menu("PopupMenuMP4")->isEmpty());
  ConvertToEntries_[of3GP]->setEnabled(!Menu("PopupMenu3GP")->isEmpty());
}

void TfrmMain::ChooseDeviceEntry(int index) {
  int target = Store_.Devices().SelectDevicePreset(index);
  if (target >= 0) SelectTarget(target);
  ShowDeviceChoice();
}

// The device box, the checked menu entries and the selected row as the store has them.
void TfrmMain::ShowDeviceChoice() {
  const TDeviceMenus& d = Store_.Devices();
  QComboBox* box = ProfileBoxes_[std::string(kDeviceProfileBoxName)];
  {
    QSignalBlocker quiet(box);
    box->clear();
    for (const TProfileDetailItem& item : d.Items()) box->addItem(Q(item.Title));
    box->setCurrentIndex(d.ItemIndex());
  }
  for (size_t n = 0; n < DeviceEntries_.size(); ++n) {
    const TDeviceEntry& e = d.Entries()[n];
    DeviceEntries_[n]->setChecked(d.CheckedEntry(e.Group) == static_cast<int>(n));
  }
  FillingDevices_ = true;
  int row = d.SelectedRow();
  ListViewFormats_->setCurrentItem(row >= 0 ? ListViewFormats_->topLevelItem(row) : nullptr);
  if (row < 0) ListViewFormats_->clearSelection();
  FillingDevices_ = false;
}

bool TfrmMain::StartProfileStore() {
  if (!Store_.Start()) return false;
  for (int f = 0; f < kOutputFormatCount; ++f) ProfileBoxChanged(f);
  BuildDeviceMenus();
  return true;
}

void TfrmMain::RestoreTarget() {
  SelectTarget(GlobalVars.OutputFormat);
  if (UsesDevicePresets(GlobalVars.OutputFormat)) Store_.Devices().RestoreDeviceChoice(GlobalVars.OutputFormat);
  ShowDeviceChoice();
  EditOutputFileName_->SetPath(GlobalVars.LastOutputOpenDir);
}

void TfrmMain::RunProfileAction(void (TProfileStore::*action)(int, TProfileUi&)) {
  TWindowProfileUi ui(this, RunEditor);
  (Store_.*action)(GlobalVars.OutputFormat, ui);
}
