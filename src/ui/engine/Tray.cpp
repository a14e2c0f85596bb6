// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Tray.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QPalette>
#include <QSystemTrayIcon>
#include <QTimer>

#include "engine/DesktopNotification.h"
#include "lang/ResStr.h"
#include "toolkit/PathText.h"
#include "toolkit/SkinPixmap.h"

namespace {

constexpr int kBalloonMs = 10000;

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// The dark picture suits a light panel, the light one a dark panel; the
// panel's colour is not known, the desktop's palette is the best guess.
QIcon TrayIcon() {
  const bool dark = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
  const char* base = dark ? "tray-light-" : "tray-";
  QIcon icon;
  for (int size : {22, 32})
    for (qreal ratio : {1.0, 2.0}) {
      QPixmap p = LoadSkinFolderPixmap(base + std::to_string(size) + ".png", ratio);
      if (!p.isNull()) icon.addPixmap(p);
    }
  return icon.isNull() ? QGuiApplication::windowIcon() : icon;
}

}  // namespace

TTray::TTray(QObject* parent) : TTray(parent, QSystemTrayIcon::isSystemTrayAvailable()) {}

TTray::TTray(QObject* parent, bool available)
    : QObject(parent),
      Notify(SendDesktopNotification),
      Available_(available),
      Icon_(new QSystemTrayIcon(this)),
      BalloonTimer_(new QTimer(this)) {
  PopupMenuTray = new QMenu;
  PopupMenuTray->setObjectName("PopupMenuTray");
  MenuItemTrayShowWindow = PopupMenuTray->addAction(QString());
  MenuItemTrayShowWindow->setObjectName("MenuItemTrayShowWindow");
  PopupMenuTray->setDefaultAction(MenuItemTrayShowWindow);
  MenuItemTrayExit = PopupMenuTray->addAction(QString());
  MenuItemTrayExit->setObjectName("MenuItemTrayExit");
  SetMenuTexts();
  connect(PopupMenuTray, &QMenu::aboutToShow, this, [this] { SetMenuTexts(); });
  connect(MenuItemTrayShowWindow, &QAction::triggered, this, &TTray::ShowWindowRequested);
  connect(MenuItemTrayExit, &QAction::triggered, this, &TTray::ExitRequested);

  Icon_->setIcon(TrayIcon());
  Icon_->setContextMenu(PopupMenuTray);
  // Trays that report a single click for the icon's activation get the
  // double click's action there too.
  connect(Icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
    if (why == QSystemTrayIcon::DoubleClick || why == QSystemTrayIcon::Trigger)
      emit ShowWindowRequested();
  });
  BalloonTimer_->setSingleShot(true);
  BalloonTimer_->setInterval(kBalloonMs);
  connect(BalloonTimer_, &QTimer::timeout, this, [this] { UpdateIcon(); });
}

TTray::~TTray() {
  delete PopupMenuTray;
}

void TTray::SetMenuTexts() {
  MenuItemTrayShowWindow->setText(Q(ResStr(MSG_SHOW_WINDOW)));
  const bool running = BatchRunning && BatchRunning();
  MenuItemTrayExit->setText(Q(ResStr(running ? MSG_TRAY_MENU_STOPENCODING : MSG_TRAY_MENU_EXIT)));
}

void TTray::Show() {
  Shown_ = true;
  UpdateIcon();
}

void TTray::Hide() {
  Shown_ = false;
  BalloonTimer_->stop();
  UpdateIcon();
}

bool TTray::IconVisible() const {
  return Icon_->isVisible();
}

void TTray::UpdateIcon() {
  Icon_->setVisible(Available_ && (Shown_ || BalloonTimer_->isActive()));
}

void TTray::SetHint(const std::string& text) {
  Icon_->setToolTip(PlainToolTip(Q(text)));
}

QString TTray::Hint() const {
  return Icon_->toolTip();
}

void TTray::ShowBalloon(const std::string& title, const std::string& text) {
  if (!Shown_ && Notify && Notify(Q(title), Q(text))) return;
  if (!Available_) return;
  if (!Shown_) BalloonTimer_->start();
  UpdateIcon();
  LastBalloonTitle = Q(title);
  LastBalloonText = Q(text);
  Icon_->showMessage(LastBalloonTitle, LastBalloonText, QSystemTrayIcon::Information, kBalloonMs);
}
