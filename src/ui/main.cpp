// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert: the desktop program.
#include <QApplication>
#include <QIcon>

#include "app/InfoOptions.h"
#include "app/ProgramFolder.h"
#include "app/QtDialogProvider.h"
#include "main/Main.h"

int main(int argc, char** argv) {
  if (int code = AnswerInfoOptions(argc, argv); code >= 0) return code;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kinovert");
  QApplication::setWindowIcon(QIcon(QString::fromStdString(ProgramFolder() + "skin/kvo/skin/kinovert.svg")));
  TQtDialogProvider dialogs;
  TScopedDialogProvider use(dialogs);
  TfrmMain main;
  if (!main.Start()) return 1;
  main.show();
  return QApplication::exec();
}
