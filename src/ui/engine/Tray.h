// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QTimer;

// The program's icon in the desktop's notification area, its menu
// PopupMenuTray and its balloons. The icon is hidden except while the
// program is sent to the tray. Desktops without a notification area are
// told by Available(); balloons still reach the user there as desktop
// notifications where the desktop has a notification service.
class TTray final : public QObject {
  Q_OBJECT
 public:
  // `available`: whether the desktop has a notification area (Qt's answer
  // unless a test says otherwise).
  explicit TTray(QObject* parent, bool available);
  explicit TTray(QObject* parent);
  ~TTray() override;

  bool Available() const { return Available_; }
  // The icon itself, after Send to tray and until Show window.
  void Show();
  void Hide();
  bool Shown() const { return Shown_; }
  // Whether the icon is on the desktop now: shown, or shown for a balloon.
  bool IconVisible() const;

  // The tooltip: the batch's figure, set by the driver and the parser.
  void SetHint(const std::string& text);
  QString Hint() const;

  // A balloon with the information icon, for 10 seconds. While the icon is
  // hidden it goes out as a desktop notification, or, without a
  // notification service, with the icon shown for the balloon's time.
  void ShowBalloon(const std::string& title, const std::string& text);

  // Sends a desktop notification; false when there is no service to take it.
  // Replaceable (tests record instead).
  std::function<bool(const QString& title, const QString& text)> Notify;
  // Asked each time the menu opens: "Stop converting..." while a batch runs,
  // else "Exit program".
  std::function<bool()> BatchRunning;

  QMenu* PopupMenuTray;
  QAction* MenuItemTrayShowWindow;
  QAction* MenuItemTrayExit;
  // The last balloon shown through the icon (title, text); for tests and
  // for looking at it.
  QString LastBalloonTitle, LastBalloonText;

 signals:
  // "Show window" or a click on the icon.
  void ShowWindowRequested();
  // "Stop converting..." or "Exit program".
  void ExitRequested();

 private:
  void SetMenuTexts();
  void UpdateIcon();

  bool Available_;
  bool Shown_ = false;
  QSystemTrayIcon* Icon_;
  QTimer* BalloonTimer_;  // hides an icon shown only for a balloon
};
