// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a picture of a window in a language, as a user would see it, e.g.
// xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/kinovert_screens name french.ini fr.png
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "lang/ResStr.h"
#include "main/Name.h"

namespace {

// Each window opened with typical content, shown, and handed back for the picture.
const std::map<std::string, std::function<QWidget*()>> Windows = {
    {"name",
     [] {
       auto* dialog = new TfrmName(nullptr);
       dialog->EditFileName->setText("High quality (phone)");
       dialog->EditFileName->selectAll();
       return dialog;
     }},
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 4 || Windows.count(argv[1]) == 0) {
    std::fprintf(stderr, "usage: kinovert_screens WINDOW LANGUAGE_FILE OUT.png (WINDOW: name)\n");
    return 2;
  }
  std::string language = std::string(KINOVERT_PROGRAM_DIR "/skin/kvo/lang/") + argv[2];
  if (!LoadLanguage(language)) {
    std::fprintf(stderr, "cannot read %s\n", language.c_str());
    return 2;
  }
  QWidget* window = Windows.at(argv[1])();
  window->show();
  QString out = QString::fromLocal8Bit(argv[3]);
  int result = 1;
  QTimer::singleShot(300, [&] {
    result = window->grab().save(out) ? 0 : 1;
    app.quit();
  });
  app.exec();
  delete window;
  return result;
}
