// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert: the desktop program.
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <string>
#include <vector>

#include "app/InfoOptions.h"
#include "app/ProgramFolder.h"
#include "app/QtDialogProvider.h"
#include "main/Main.h"

int main(int argc, char** argv) {
  if (int code = AnswerInfoOptions(argc, argv); code >= 0) return code;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kinovert");
  // The icon in every size that ships as a picture, so no image plug-in is needed.
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icon.addFile(QString::fromStdString(ProgramFolder() + "skin/kvo/skin/kinovert-" + std::to_string(size) + ".png"));
  QApplication::setWindowIcon(icon);
  TQtDialogProvider dialogs;
  TScopedDialogProvider use(dialogs);
  TfrmMain main;
  if (!main.Start()) return 1;
  main.show();
  // Files named on the command line are added as if they had been dropped.
  std::vector<std::string> files;
  QStringList args = QApplication::arguments();
  bool options = true;
  for (qsizetype i = 1; i < args.size(); ++i) {
    if (options && args[i] == QLatin1String("--")) {
      options = false;
      continue;
    }
    if (options && args[i].startsWith(QLatin1Char('-'))) continue;
    files.push_back(QFileInfo(args[i]).absoluteFilePath().toUtf8().toStdString());
  }
  if (!files.empty()) main.AddInputFiles(files);
  return QApplication::exec();
}
