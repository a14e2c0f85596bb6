// SPDX-License-Identifier: GPL-3.0-or-later
// Converting from the main window: the batch over the file list with the
// chosen profile or device, and the settings dialog.
#include <utility>

#include "app/GlobalVars.h"
#include "app/QtMainThread.h"
#include "app/SettingsDialog.h"
#include "engine/BatchDriver.h"
#include "engine/DesktopBatchHost.h"
#include "engine/FileAdder.h"
#include "engine/PowerActions.h"
#include "engine/Redirector.h"
#include "main/Main.h"
#include "store/TargetTable.h"
#include "toolkit/PathEdit.h"

void TfrmMain::CreateBatchHost() {
  BatchHost_ = std::make_unique<TDesktopBatchHost>(this, *MainThread_, *this);
  Power_ = CreateSystemPowerControl();
  BatchHost_->FileStateChanged = [this](const std::string& path, TFileState state) {
    SetFileState(path, static_cast<int>(state));
  };
  BatchHost_->FileReasonChanged = [this](const std::string& path, const std::string& reason) {
    List_.SetFileReason(path, reason);
  };
}

// F9 and the Convert button: the file list as it stands once any add is done.
void TfrmMain::ActionConvertExecute() {
  Adder_->WhenIdle([this] {
    std::vector<TBatchInput> files;
    for (const TFileRow& row : List_.Rows()) files.push_back({row.Item.Caption(), row.Item.Media[msFileSize], row.Item.Media[msPlayTime]});
    TBatchChoice choice{Store_.CurrentChoice(GlobalVars.OutputFormat), EditOutputFileName_->Path()};
    TBatchDriver driver(*BatchHost_, *Runner_, *Power_);
    Converting_ = true;
    struct TDone {
      bool& Flag;
      ~TDone() { Flag = false; }
    } done{Converting_};
    driver.ActionConvertExecute(files, choice);
    if (!Handed_.empty()) AddInputFiles(std::exchange(Handed_, {}));
  });
}

void TfrmMain::ShowSettings() { TfrmSettings::Run(this); }
