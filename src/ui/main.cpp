// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert: the desktop program.
#include <QApplication>
#include <QIcon>
#include <string>
#include <vector>

#include "app/InfoOptions.h"
#include "app/QtDialogProvider.h"
#include "app/QuitSignals.h"
#include "app/SingleInstance.h"
#include "base/PrivateFolder.h"
#include "engine/BatchDriver.h"
#include "main/Main.h"
#include "toolkit/SkinPixmap.h"

int main(int argc, char** argv) {
  if (int code = AnswerInfoOptions(argc, argv); code >= 0) return code;
  QApplication app(argc, argv);
  TQuitSignals quitSignals;
  QApplication::setApplicationName("Kinovert");
  // The icon in every size that ships as a picture, so no image plug-in is needed.
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icon.addPixmap(LoadSkinFolderPixmap("kinovert-" + std::to_string(size) + ".png", 1.0));
  QApplication::setWindowIcon(icon);
  // Files named here are added as if they had been dropped; with the program
  // running already, they go to its window instead and this start ends.
  std::vector<std::string> files = FilesOnCommandLine(argc, argv);
  QString socket = TSingleInstance::SocketName();
  if (TSingleInstance::HandToRunning(socket, files)) return 0;
  // What a batch of a program killed outright left behind goes now.
  TPrivateFolder::RemoveAbandoned(kBatchFolderPrefix);
  TQtDialogProvider dialogs;
  TScopedDialogProvider use(dialogs);
  int code = 0;
  {
    TfrmMain main;
    // A signal to end leaves every event loop at once: a running batch stops
    // as with "Stop now" (its encoder killed, its partial output and
    // temporary folder removed), any open dialog is left unanswered.
    QObject::connect(&quitSignals, &TQuitSignals::Received, &main, [] { QCoreApplication::exit(0); });
    if (!main.Start()) return 1;
    main.ListenForLaterStarts(socket);
    main.show();
    if (!files.empty()) main.AddInputFiles(files);
    if (quitSignals.Caught() == 0) code = QApplication::exec();
    // Then the program ends as a close of its window does: settings saved.
    if (quitSignals.Caught() != 0) main.EndAfterSignal();
  }  // the window goes, and its socket with it
  quitSignals.EndBySignal();
  return code;
}
