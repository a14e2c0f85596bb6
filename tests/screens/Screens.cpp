// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a picture of a window in a language, as a user would see it, e.g.
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/kinovert_screens main french.ini fr.png FILE...
// WINDOW is one of: name, main, states (the files in the four file states),
// about, fileinfo (of the first FILE), buttons, menu:<menu name>[/<submenu>]
// (a menu, and one of its submenus, opened over the main window; the picture
// is then of the part of the screen they cover), or convert: the files really
// converted from the main window (into $KINOVERT_SCREENS_OUT, default
// /tmp/kinovert-screens-out), with pictures of the whole screen mid-batch
// (OUT.png) and after it (OUT-after.png).
// The main window runs over a copy of the program folder, so nothing of the
// build's own folder changes.
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/Dialogs.h"
#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "app/QtDialogProvider.h"
#include "engine/Shutdown.h"
#include "lang/ResStr.h"
#include "main/AboutBox.h"
#include "main/FileInfo.h"
#include "main/Main.h"
#include "main/Name.h"
#include "toolkit/ImageButton.h"

namespace fs = std::filesystem;

namespace {

std::string Language;
std::vector<std::string> Files;

// A program folder of its own, with the language chosen and a device picked.
std::string CopyProgramFolder() {
  fs::path home = fs::temp_directory_path() / ("kinovert-screens-" + std::to_string(::getpid()));
  fs::remove_all(home);
  fs::copy(KINOVERT_PROGRAM_DIR, home, fs::copy_options::recursive);
  fs::remove(home / "info.ini");
  std::ofstream(home / "info.ini") << "[System]\nLanguageFile=" << Language << "\nLastOutputOpenDir=/home/anna/Videos/converted\n";
  return home.string() + "/";
}

TfrmMain* OpenMain() {
  SetProgramFolder(CopyProgramFolder());
  auto* main = new TfrmMain;
  if (!main->Start()) std::exit(1);
  main->move(40, 40);
  main->show();
  if (!Files.empty()) main->AddInputFiles(Files, [main] { main->SelectFileRow(0); });
  return main;
}

// Each window opened with typical content, shown, and handed back for the picture.
const std::map<std::string, std::function<QWidget*()>> Windows = {
    {"name",
     [] {
       auto* dialog = new TfrmName(nullptr);
       dialog->EditFileName->setText("High quality (phone)");
       dialog->EditFileName->selectAll();
       return dialog;
     }},
    {"main", [] { return OpenMain(); }},
    {"countdown",
     [] {
       // The countdown of the action KINOVERT_SCREENS_ACTION (0..5) names, stopped at 30.
       const char* action = std::getenv("KINOVERT_SCREENS_ACTION");
       GlobalVars.ShutdownFlag = static_cast<uint8_t>(action != nullptr ? std::atoi(action) : 1);
       auto* countdown = new TfrmShutdown(nullptr);
       countdown->TimerShutdown->stop();
       return countdown;
     }},
    {"states",
     [] {
       // The pictures a batch leaves: done, failed, converting, idle.
       TfrmMain* main = OpenMain();
       main->AddInputFiles({}, [main] {
         static constexpr int kStates[] = {2, 1, 3};
         for (size_t i = 0; i < Files.size() && i < std::size(kStates); ++i)
           main->SetFileState(Files[i], kStates[i]);
         main->SelectFileRow(1);
       });
       return main;
     }},
    {"fileinfo",
     [] {
       TfrmMain* main = OpenMain();
       auto* info = new TfrmFileInfo(main);
       if (!Files.empty()) info->ShowFile(Files.front());
       return info;
     }},
    {"about",
     [] {
       TfrmMain* main = OpenMain();
       return new TAboutBox(main);
     }},
    {"buttons",
     [] {
       // Browse, Convert and a toolbar button in their four states:
       // normal, pointer over it, pressed, disabled.
       TfrmMain* main = OpenMain();
       auto* sheet = new QWidget;
       auto* rows = new QVBoxLayout(sheet);
       for (const char* name : {"MainButton1", "MainButton9", "ToolbarButton4", "SystemButton3"}) {
         auto* source = main->findChild<TImageButton*>(name);
         auto* row = new QHBoxLayout;
         for (int state = 0; state < 4; ++state) {
           auto* b = new TImageButton(sheet);
           b->SetAction(new QAction(source->Action()->text(), b));
           b->SetCaptionArea(source->CaptionArea());
           b->SetPictures(source->Pictures());
           b->setFixedSize(source->size());
           if (state == 1) {
             QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
             QApplication::sendEvent(b, &enter);
           }
           if (state == 2) b->setDown(true);
           if (state == 3) b->Action()->setEnabled(false);
           row->addWidget(b);
         }
         rows->addLayout(row);
       }
       sheet->setStyleSheet("background: #F3F8FB;");
       return sheet;
     }},
};

// Where a menu opens: under the button or in the list that opens it. The
// help menu ends at its button, so it and a submenu stay mostly over the
// window.
QPoint MenuPlace(TfrmMain* main, const std::string& menu, const QMenu* shown) {
  if (menu == "PopupMenuHelp") {
    auto* help = main->findChild<QWidget*>("SystemButton2");
    return help->mapToGlobal(QPoint(help->width() - shown->sizeHint().width(), help->height()));
  }
  if (menu.rfind("PopupMenuListView", 0) == 0) {
    auto* list = main->findChild<QWidget*>("ListViewFiles");
    return list->mapToGlobal(QPoint(220, 24));
  }
  return main->mapToGlobal(QPoint(160, 60));
}

// The main window and the menus over it, each taken from the screen; what
// lies between them is left transparent rather than showing the bare screen.
std::vector<QWidget*> Shown;
QPixmap GrabCovered(QScreen* screen) {
  QRect covered;
  for (QWidget* w : Shown)
    if (w != nullptr && w->isVisible()) covered |= w->frameGeometry();
  covered &= screen->geometry();
  QPixmap picture(covered.size());
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  for (QWidget* w : Shown) {
    if (w == nullptr || !w->isVisible()) continue;
    const QRect r = w->frameGeometry() & covered;
    painter.drawPixmap(r.topLeft() - covered.topLeft(),
                       screen->grabWindow(0, r.x(), r.y(), r.width(), r.height()));
  }
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: kinovert_screens WINDOW LANGUAGE_FILE OUT.png [FILE...]\n");
    return 2;
  }
  std::string window = argv[1];
  Language = argv[2];
  for (int i = 4; i < argc; ++i) Files.push_back(fs::absolute(argv[i]).string());
  std::string language = std::string(KINOVERT_PROGRAM_DIR "/skin/kvo/lang/") + Language;
  if (!LoadLanguage(language)) {
    std::fprintf(stderr, "cannot read %s\n", language.c_str());
    return 2;
  }
  TQtDialogProvider dialogs;
  TScopedDialogProvider use(dialogs);
  if (window == "convert") {
    TfrmMain* main = OpenMain();
    const char* outEnv = std::getenv("KINOVERT_SCREENS_OUT");
    std::string outFolder = outEnv != nullptr ? outEnv : "/tmp/kinovert-screens-out";
    fs::create_directories(outFolder);
    main->findChild<QLineEdit*>("editOutputFileName")->setText(QString::fromStdString(outFolder));
    QString out = QString::fromLocal8Bit(argv[3]);
    QString after = out;
    after.replace(QLatin1String(".png"), QLatin1String("-after.png"));
    // Mid-batch: a moment after the batch window has come up.
    QTimer::singleShot(1500, [main] { main->Action("ActionConvert")->trigger(); });
    QTimer::singleShot(4500, [main, out] { main->screen()->grabWindow(0).save(out); });
    QTimer::singleShot(500, [&app, main, after] {
      auto* poll = new QTimer(main);
      QObject::connect(poll, &QTimer::timeout, [&app, main, after, poll] {
        static bool seen = false;
        seen = seen || main->Converting();
        if (seen && !main->Converting()) {
          poll->stop();
          QTimer::singleShot(800, [&app, main, after] {
            main->screen()->grabWindow(0).save(after);
            app.quit();
          });
        }
      });
      poll->start(100);
    });
    return app.exec();
  }
  const bool isMenu = window.rfind("menu:", 0) == 0;
  QWidget* shown = nullptr;
  if (isMenu) {
    TfrmMain* main = OpenMain();
    const std::string names = window.substr(5);
    const size_t slash = names.find('/');
    QMenu* menu = main->Menu(names.substr(0, slash));
    QMenu* submenu = slash == std::string::npos ? nullptr : main->Menu(names.substr(slash + 1));
    if (menu == nullptr || (slash != std::string::npos && submenu == nullptr)) {
      std::fprintf(stderr, "no menu %s\n", names.c_str());
      return 2;
    }
    QTimer::singleShot(700, [main, menu, submenu, names] {
      menu->popup(MenuPlace(main, names.substr(0, names.find('/')), menu));
      if (submenu == nullptr) return;
      for (QAction* a : menu->actions()) {
        if (a->menu() != submenu) continue;
        menu->setActiveAction(a);
        submenu->popup(menu->mapToGlobal(menu->actionGeometry(a).topRight()));
      }
    });
    Shown = {main, menu, submenu};
    shown = main;
  } else if (Windows.count(window) != 0) {
    shown = Windows.at(window)();
    shown->show();
    shown->activateWindow();  // drawn in its active colours, as a user sees it
  } else {
    std::fprintf(stderr, "no window %s\n", window.c_str());
    return 2;
  }
  QString out = QString::fromLocal8Bit(argv[3]);
  int result = 1;
  QTimer::singleShot(isMenu ? 1500 : 1200, [&] {
    if (!isMenu && !shown->isActiveWindow()) std::fprintf(stderr, "note: %s is not active\n", argv[1]);
    QPixmap picture = isMenu ? GrabCovered(shown->screen()) : shown->grab();
    result = picture.save(out) ? 0 : 1;
    app.quit();
  });
  app.exec();
  return result;
}
