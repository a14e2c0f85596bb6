// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls, skin, start-up, moving and closing.
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTreeView>
#include <QTreeWidget>
#include <QWindow>
#include <chrono>
#include <thread>

#include "app/GlobalVars.h"
#include "app/Guarded.h"
#include "app/ProgramFolder.h"
#include "app/QtMainThread.h"
#include "app/Settings.h"
#include "engine/DesktopBatchHost.h"
#include "engine/FileAdder.h"
#include "engine/PowerActions.h"
#include "engine/Redirector.h"
#include "main/Main.h"
#include "main/FileListView.h"
#include "main/MediaPanel.h"
#include "store/TargetTable.h"
#include "toolkit/ColorScheme.h"
#include "toolkit/ImageButton.h"
#include "toolkit/PathEdit.h"
#include "toolkit/SkinPixmap.h"

namespace {

QRect Rect(const TSkinRect& r) { return {r.Left, r.Top, r.Width, r.Height}; }

// Label colours on the title band and on the working surface.
const QColor kBandTitle(Qt::white);
const QColor kBandVersion(0xB7, 0xCC, 0xE0);
const QColor kSurfaceText(0x16, 0x22, 0x2E);
const QColor kSummaryText(0x4A, 0x5B, 0x6B);

// Width of the column of captions left of the lists and boxes.
constexpr int kLabelColumnRight = 114;

void SetTextColor(QWidget* w, const QColor& color) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, color);
  w->setPalette(p);
}

}  // namespace

TfrmMain::TfrmMain(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName("frmMain");
  MainThread_ = new TQtMainThread(this);
  CreateControls();
  CreateActions();
  CreateMenus();
  BindButtons();
  ConnectProfileBoxes();
}

// The adder goes first: its worker must not outlive the list it fills.
TfrmMain::~TfrmMain() {
  Adder_.reset();
  BatchHost_.reset();
}

bool TfrmMain::Start() {
  bool ok = false;
  Guarded([&] { ok = RunStartup(*this); });
  return ok;
}

void TfrmMain::CreateControls() {
  ImageMain_ = new QLabel(this);
  ImageMain_->setObjectName("ImageMain");
  ImageMain_->installEventFilter(this);

  CreateFileList();

  ListViewFormats_ = new QTreeWidget(this);
  ListViewFormats_->setObjectName("ListViewFormats");
  ListViewFormats_->setHeaderHidden(true);
  ListViewFormats_->setRootIsDecorated(false);
  ListViewFormats_->setColumnCount(1);
  ListViewFormats_->setFrameShape(QFrame::NoFrame);
  ListViewFormats_->setSelectionMode(QAbstractItemView::SingleSelection);
  ListViewFormats_->setEditTriggers(QAbstractItemView::NoEditTriggers);

  EditOutputFileName_ = new TPathEdit(this);
  EditOutputFileName_->setObjectName("editOutputFileName");
  EditOutputFileName_->setFrame(false);
  // Files dropped here are files to convert, as anywhere on the window.
  EditOutputFileName_->setAcceptDrops(false);

  for (const TTargetInfo& t : Targets) {
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(t.FormatBoxName.data(), static_cast<qsizetype>(t.FormatBoxName.size())));
    box->setGeometry(120, 242, 482, 21);
    box->setProperty("profileBox", true);
    ProfileBoxes_.emplace(std::string(t.FormatBoxName), box);
  }
  auto* device = new QComboBox(this);
  device->setObjectName(QString::fromLatin1(kDeviceProfileBoxName.data(), kDeviceProfileBoxName.size()));
  device->setGeometry(120, 242, 482, 21);
  device->setProperty("profileBox", true);
  ProfileBoxes_.emplace(std::string(kDeviceProfileBoxName), device);

  for (size_t i = 0; i < Labels_.size(); ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(kMainLabelNames[i]);
    label->setTextFormat(Qt::PlainText);
    label->installEventFilter(this);
    SetTextColor(label, i == 5 ? kSummaryText : kSurfaceText);
    Labels_[i] = label;
  }
  QFont title = Labels_[0]->font();
  title.setBold(true);
  Labels_[0]->setFont(title);
  SetTextColor(Labels_[0], kBandTitle);
  SetTextColor(Labels_[1], kBandVersion);
  // "3GP Format:" is fixed, never translated.
  Labels_[6]->setText("3GP Format:");

  for (size_t i = 0; i < ToolbarButtons_.size(); ++i) {
    ToolbarButtons_[i] = new TImageButton(this);
    ToolbarButtons_[i]->setObjectName(QStringLiteral("ToolbarButton%1").arg(i + 1));
    ToolbarButtons_[i]->SetCaptionArea(TCaptionArea::Toolbar);
  }
  for (size_t i = 0; i < ToolbarLines_.size(); ++i) {
    ToolbarLines_[i] = new QLabel(this);
    ToolbarLines_[i]->setObjectName(QStringLiteral("ToolbarImageLine%1").arg(i + 1));
  }
  static constexpr TCaptionArea mainAreas[9] = {
      TCaptionArea::Main, TCaptionArea::None, TCaptionArea::None,        TCaptionArea::None,   TCaptionArea::None,
      TCaptionArea::Main, TCaptionArea::EditProfile, TCaptionArea::None, TCaptionArea::Convert};
  for (size_t i = 0; i < MainButtons_.size(); ++i) {
    MainButtons_[i] = new TImageButton(this);
    MainButtons_[i]->setObjectName(QStringLiteral("MainButton%1").arg(i + 1));
    MainButtons_[i]->SetCaptionArea(mainAreas[i]);
  }
  for (size_t i = 0; i < SystemButtons_.size(); ++i) {
    SystemButtons_[i] = new TImageButton(this);
    SystemButtons_[i]->setObjectName(QStringLiteral("SystemButton%1").arg(i + 1));
    SystemButtons_[i]->setFocusPolicy(Qt::NoFocus);
  }
  ScrollBox_ = new TMediaPanel(this);
  ScrollBox_->hide();
  connect(ScrollBox_, &TMediaPanel::MoreInformation, this, [this] { Guarded([this] { ShowMoreInformation(); }); });
  // The device list shares the file list's mouse: its menus, and a
  // double-click plays the file selected in the file list.
  ListViewFormats_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ListViewFormats_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { ListContextMenu(ListViewFormats_->viewport()->mapToGlobal(p)); });
  connect(ListViewFormats_, &QTreeWidget::itemDoubleClicked, this, [this] { Guarded([this] { PlaySource(); }); });
}

// -------------------------------------------------------------------- skin

void TfrmMain::LoadSkinLayout() {
  Skin_ = ReadSkinLayout(SkinFilePath());
  ApplySkin();
}

void TfrmMain::ApplySkin() {
  const std::string skinFile = SkinFilePath();
  const qreal ratio = devicePixelRatioF();
  ApplyColorScheme();
  ImageMain_->setPixmap(LoadSkinPixmap(skinFile, Skin_.ImageMain.Picture, ratio));
  ImageMain_->setGeometry(Rect(Skin_.ImageMain.Bounds));
  ListViewFiles_->setGeometry(Rect(Skin_.ListViewFiles));
  EditOutputFileName_->setGeometry(Rect(Skin_.EditOutputFileName));
  ProfileBoxes_["ComboBoxAviProfile"]->setGeometry(Rect(Skin_.ComboBoxAviProfile));
  ScrollBox_->setGeometry(Rect(Skin_.ScrollBox));

  auto pictures = [&](const TSkinButton& b) {
    std::array<QPixmap, 4> p;
    for (size_t s = 0; s < 4; ++s) p[s] = LoadSkinPixmap(skinFile, b.Pictures[s], ratio);
    return p;
  };
  for (size_t i = 0; i < ToolbarButtons_.size(); ++i) {
    ToolbarButtons_[i]->SetPictures(pictures(Skin_.ToolbarButtons[i]));
    ToolbarButtons_[i]->setGeometry(Rect(Skin_.ToolbarButtons[i].Bounds));
  }
  for (size_t i = 0; i < ToolbarLines_.size(); ++i) {
    ToolbarLines_[i]->setPixmap(LoadSkinPixmap(skinFile, Skin_.ToolbarLines[i].Picture, ratio));
    ToolbarLines_[i]->setGeometry(Rect(Skin_.ToolbarLines[i].Bounds));
  }
  for (size_t i = 0; i < MainButtons_.size(); ++i) {
    MainButtons_[i]->SetPictures(pictures(Skin_.MainButtons[i]));
    MainButtons_[i]->setGeometry(Rect(Skin_.MainButtons[i].Bounds));
  }
  for (size_t i = 0; i < SystemButtons_.size(); ++i) {
    SystemButtons_[i]->SetPictures(pictures(Skin_.SystemButtons[i]));
    SystemButtons_[i]->setGeometry(Rect(Skin_.SystemButtons[i].Bounds));
  }
  for (size_t i = 0; i < 6; ++i) Labels_[i]->move(Skin_.Labels[i].Left, Skin_.Labels[i].Top);
  ScrollBox_->ApplySkin(Skin_);
  SetStatePicturesFromSkin();

  // The window takes the size of its background.
  const QRect back = Rect(Skin_.ImageMain.Bounds);
  setFixedSize(back.right() + 1, back.bottom() + 1);
  ImageMain_->lower();
}

void TfrmMain::ApplyColorScheme() {
  ::ApplyColorScheme(this, Skin_.DefaultSkin ? TColorScheme::Light : TColorScheme::Dark);
}

// A caption of the left column keeps to it: a text too wide for one line
// takes two, centred on where the one line would stand.
void TfrmMain::PlaceLabel(QLabel* label, int left, int top) {
  // Measured free of any width a wrap of an earlier text fixed.
  label->setMinimumWidth(0);
  label->setMaximumWidth(QWIDGETSIZE_MAX);
  label->setWordWrap(false);
  label->adjustSize();
  const int room = kLabelColumnRight - left;
  if (label->width() > room && room > 0) {
    label->setWordWrap(true);
    label->setFixedWidth(room);
    label->adjustSize();
    int oneLine = label->fontMetrics().height();
    label->move(left, top - (label->height() - oneLine) / 2);
  } else {
    label->move(left, top);
  }
}

// -------------------------------------------------------------------- start-up steps

void TfrmMain::CreateRunner() {
  Runner_ = std::make_unique<TRedirector>(*MainThread_);
  CreateBatchHost();
}

void TfrmMain::CentreOnScreen() {
  QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (s == nullptr) return;
  QRect area = s->availableGeometry();
  move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void TfrmMain::AcceptDroppedFiles() { setAcceptDrops(true); }

void TfrmMain::RestorePlacement() { RestoreWindowPlacement("Form", *this); }

void TfrmMain::HideToolbar() {
  for (TImageButton* b : ToolbarButtons_) b->hide();
  // The separators belong to the toolbar: left alone they would cross the lists.
  for (QLabel* l : ToolbarLines_) l->hide();
  MainButtons_[6]->hide();
  MainButtons_[7]->hide();
}

void TfrmMain::ShiftControls() {
  auto up = [](QWidget* w, int by) { w->move(w->x(), w->y() - by); };
  for (QWidget* w : {static_cast<QWidget*>(ListViewFiles_), static_cast<QWidget*>(EditOutputFileName_)}) up(w, 80);
  for (size_t i = 0; i < 5; ++i) up(MainButtons_[i], 80);
  up(MainButtons_[5], 79);
  up(MainButtons_[6], 78);
  up(MainButtons_[7], 78);
  up(MainButtons_[8], 110);
  const QRect list = ListViewFiles_->geometry();
  ListViewFormats_->setGeometry(list.left(), list.top() + 125, list.width(), list.height() - 10);
  Shifted_ = true;
  PlaceLabels();
}

// Labels 3 and 4 move up with their controls; "3GP Format:" stands beside
// the device list in the column of the other captions.
void TfrmMain::PlaceLabels() {
  const int by = Shifted_ ? 80 : 0;
  Labels_[0]->adjustSize();
  Labels_[1]->adjustSize();
  Labels_[1]->move(Labels_[0]->geometry().right() + 1 + 4, Labels_[1]->y());
  PlaceLabel(Labels_[2], Skin_.Labels[2].Left, Skin_.Labels[2].Top - by);
  PlaceLabel(Labels_[3], Skin_.Labels[3].Left, Skin_.Labels[3].Top - by);
  PlaceLabel(Labels_[4], Skin_.Labels[4].Left, Skin_.Labels[4].Top);
  Labels_[5]->adjustSize();
  PlaceLabel(Labels_[6], Skin_.Labels[2].Left, ListViewFormats_->y() + 2);
}

// -------------------------------------------------------------------- placement

TWindowPlacement TfrmMain::Placement() const {
  QRect g = geometry();
  return {g.left(), g.top(), g.width(), g.height(), isMaximized()};
}

// The window has the size of its skin: only where it stands is restored.
void TfrmMain::ApplyPlacement(const TWindowPlacement& placement) { move(placement.Left, placement.Top); }

int TfrmMain::ScreenWidth() const {
  QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  return s != nullptr ? s->availableGeometry().width() : 1920;
}

int TfrmMain::ScreenHeight() const {
  QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  return s != nullptr ? s->availableGeometry().height() : 1080;
}

// -------------------------------------------------------------------- moving

bool TfrmMain::IsMoveHandle(QObject* object) const {
  if (object == ImageMain_) return true;
  for (QLabel* l : Labels_)
    if (object == l) return true;
  return false;
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (IsMoveHandle(watched)) {
    auto* w = static_cast<QWidget*>(watched);
    switch (event->type()) {
      case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        StartWindowMove(w, e->position().toPoint(), e);
        Guarded([&] { ToolbarClickThrough(w, e->position().toPoint()); });
        return true;
      }
      case QEvent::MouseMove:
        if (Dragging_) {
          move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - DragOffset_);
          return true;
        }
        break;
      case QEvent::MouseButtonRelease: Dragging_ = false; break;
      case QEvent::MouseButtonDblClick: {
        // A double-click on the title band minimises the program.
        if (w == ImageMain_ || w == Labels_[0] || w == Labels_[1]) {
          QPoint p = mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
          if (p.x() >= 0 && p.x() < width() && p.y() < SystemButtons_[0]->geometry().bottom() + 1 + 5)
            showMinimized();
          return true;
        }
        break;
      }
      default: break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// A press of any button moves the window. The desktop moves it where it can;
// elsewhere (no window manager) it follows the pointer by hand.
void TfrmMain::StartWindowMove(QWidget*, const QPoint&, QMouseEvent* event) {
  if (windowHandle() != nullptr && windowHandle()->startSystemMove()) return;
  Dragging_ = true;
  DragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void TfrmMain::changeEvent(QEvent* event) { QWidget::changeEvent(event); }

// -------------------------------------------------------------------- closing

void TfrmMain::EndAfterSignal() {
  const QDeadlineTimer deadline(5000);
  while (Runner_ != nullptr && Runner_->Active() && !deadline.hasExpired()) {
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  close();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (!ExitWithoutSaving_) {
    Guarded([] { SaveSettings(); });
    Guarded([this] { SaveWindowPlacement("Form", *this); });
  }
  event->accept();
  // The program ends with its main window alone: no other window's close
  // does (see TDesktopBatchHost).
  QCoreApplication::quit();
}
