// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/SkinLayout.h"
#include "app/Startup.h"
#include "app/WindowPlacement.h"
#include "store/FileListModel.h"
#include "store/ProfileStore.h"

class QAction;
class QActionGroup;
class QComboBox;
class QFrame;
class QLabel;
class TPathEdit;
class QMenu;
class QTreeView;
class QTreeWidget;
class TDesktopBatchHost;
class TFileAdder;
class TPowerControl;
class TFileListQtModel;
class TFileListView;
class TImageButton;
class TMediaPanel;
class TQtMainThread;
class TRedirector;

// The program's main window: borderless and skinned, holding the file list,
// the output folder, the device-format list, the profile boxes, the media
// panel and every action. Its rules live in core (start-up order, the skin
// file, the action and target tables); this class shows and wires them.
// Split by feature: MainWindow.cpp (controls, skin, start-up, moving,
// closing), MainActions.cpp (actions, menus, targets, languages, help).
class TfrmMain final : public QWidget,
                       public TStartupWindow,
                       public TPlacementWindow,
                       public TProfileStoreListener {
  Q_OBJECT
 public:
  explicit TfrmMain(QWidget* parent = nullptr);
  ~TfrmMain() override;

  // Runs the start-up; false when the program must end (the reason has been
  // shown).
  bool Start();

  QAction* Action(std::string_view name) const;
  QMenu* Menu(std::string_view name) const;
  TQtMainThread& MainThread() const { return *MainThread_; }
  const TSkinLayout& Skin() const { return Skin_; }

  // TPlacementWindow
  TWindowPlacement Placement() const override;
  void ApplyPlacement(const TWindowPlacement& placement) override;
  int ScreenWidth() const override;
  int ScreenHeight() const override;

  // SelectTarget of the action of a target (0..15).
  void SelectTarget(int outputFormat);
  void UpdateSummary() override;

  // The file list (MainFiles.cpp). Paths are added in order, off the main
  // thread's back; edits of the list wait until they are in.
  void AddInputFiles(const std::vector<std::string>& paths, std::function<void()> done = nullptr);
  void SelectFileRow(int index);
  void SetFileState(const std::string& path, int state);
  const TFileListModel& FileList() const { return List_; }
  bool AddingFiles() const;
  // Later starts of the program hand their files to this window over the
  // local socket `name`; they are added (after a batch that runs) and the
  // window comes to the front. False when the socket could not be opened.
  bool ListenForLaterStarts(const QString& name);
  void AcceptHandedFiles(const std::vector<std::string>& paths);

  // Converting (MainConvert.cpp).
  void ActionConvertExecute();
  bool Converting() const { return Converting_; }
  TDesktopBatchHost& BatchHost() const { return *BatchHost_; }
  // The end after a signal left the event loops: the stopped encoder is
  // collected, then the window closes as it always does (settings and
  // placement saved).
  void EndAfterSignal();

  // The profile side (MainProfiles.cpp).
  TProfileStore& Store() { return Store_; }
  void ProfileBoxChanged(int outputFormat) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // TStartupWindow, in the order start-up calls them.
  void LoadSkinLayout() override;
  void CreateRunner() override;
  void CentreOnScreen() override;
  bool StartProfileStore() override;
  void RestoreTarget() override;
  void AcceptDroppedFiles() override;
  void RestorePlacement() override;
  bool ApplyLanguage() override;
  void BuildLanguageMenu() override;
  void HideToolbar() override;
  void ShiftControls() override;

  // MainWindow.cpp
  void CreateControls();
  void ApplySkin();
  void ApplyColorScheme();
  void PlaceLabel(QLabel* label, int left, int top);
  void PlaceLabels();
  void StartWindowMove(QWidget* pressed, const QPoint& localPos, QMouseEvent* event);
  bool IsMoveHandle(QObject* object) const;

  // MainActions.cpp
  void CreateActions();
  void CreateMenus();
  void BindButtons();
  void PopupAtPointer(std::string_view menu);
  void ToolbarClickThrough(QWidget* pressed, const QPoint& localPos);
  void SwitchLanguage(QAction* entry);
  void ShowHelp(const char* topic);
  void OpenSiblingTool(const char* name);
  void ShowAbout();
  void CloseProgram();

  // MainConvert.cpp
  void CreateBatchHost();
  void ShowSettings();

  // MainProfiles.cpp
  void ConnectProfileBoxes();
  void BuildDeviceMenus();
  void ChooseDeviceEntry(int index);
  void ShowDeviceChoice();
  void RunProfileAction(void (TProfileStore::*action)(int, TProfileUi&));

  // MainFiles.cpp
  void CreateFileList();
  void SetStatePicturesFromSkin();
  void AddFilesByDialog();
  int FileRowCount() const;
  void EditWhenAddsEnd(std::function<void()> edit);
  void DeleteSelectedFiles();
  void ClearList();
  void MoveFile(bool up);
  void PlaySource();
  void OpenDestinationFolder();
  void OutputBrowse();
  void ShowMoreInformation();
  void ListContextMenu(const QPoint& globalPos);
  void PushSelectionToView();
  void TakeSelectionFromView();
  void ListChanged();

  TSkinLayout Skin_;
  bool Shifted_ = false;
  TProfileStore Store_;
  TQtMainThread* MainThread_ = nullptr;
  std::unique_ptr<TRedirector> Runner_;
  std::unique_ptr<TDesktopBatchHost> BatchHost_;
  std::unique_ptr<TPowerControl> Power_;
  bool Converting_ = false;
  std::vector<std::string> Handed_;  // handed over during a batch

  QLabel* ImageMain_ = nullptr;
  std::array<QLabel*, 7> Labels_{};  // Label1 … Label6, Label27
  TFileListModel List_;
  TFileListView* ListViewFiles_ = nullptr;
  TFileListQtModel* ListModel_ = nullptr;
  std::unique_ptr<TFileAdder> Adder_;
  bool SyncingSelection_ = false;
  QTreeWidget* ListViewFormats_ = nullptr;
  TPathEdit* EditOutputFileName_ = nullptr;
  std::map<std::string, QComboBox*, std::less<>> ProfileBoxes_;  // by object name
  std::array<TImageButton*, 11> ToolbarButtons_{};
  std::array<QLabel*, 3> ToolbarLines_{};
  std::array<TImageButton*, 9> MainButtons_{};
  std::array<TImageButton*, 3> SystemButtons_{};
  TMediaPanel* ScrollBox_ = nullptr;

  std::map<std::string, QAction*, std::less<>> Actions_;
  std::map<std::string, QMenu*, std::less<>> Menus_;
  QMenu* LanguagesMI_ = nullptr;
  QActionGroup* LanguageGroup_ = nullptr;
  QActionGroup* ConvertToGroup_ = nullptr;
  std::array<QAction*, 16> ConvertToEntries_{};
  std::array<QActionGroup*, 2> DeviceGroups_{};
  std::vector<QAction*> DeviceEntries_;  // in the order of the store's entries
  bool FillingDevices_ = false;

  // Moving the borderless window by hand where the desktop cannot.
  QPoint DragOffset_;
  bool Dragging_ = false;
  // ActionExit ends the program without saving anything.
  bool ExitWithoutSaving_ = false;
};

// Object names of the labels, in the order of TfrmMain's label array.
inline constexpr const char* kMainLabelNames[7] = {"Label1", "Label2", "Label3", "Label4",
                                                   "Label5", "Label6", "Label27"};
