// SPDX-License-Identifier: GPL-3.0-or-later
// editor_shots FORMAT LANGUAGE OUTDIR [KEY=VALUE...]
// Opens FORMAT's editor on its defaults (changed by the KEY=VALUE pairs) in
// LANGUAGE (a file of data/skin/kvo/lang without ".ini") and writes one PNG
// per visible tab, OUTDIR/<format>-<language>-<n>-<tab>.png, and all of them
// side by side in OUTDIR/<format>-<language>.png.
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "app/GlobalVars.h"
#include "editors/ProfileEditor.h"
#include "editors/ProfileEditors.h"
#include "editors/RecordFields.h"
#include "lang/ResStr.h"
#include "profiles/ProfileSettings.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: editor_shots FORMAT LANGUAGE OUTDIR [KEY=VALUE...]\n");
    return 2;
  }
  const int format = OutputFormatFromName(argv[1]);
  const std::string language = argv[2];
  const QString out = QString::fromLocal8Bit(argv[3]);
  if (format < 0) return 2;
  LoadLanguage(std::string(KINOVERT_SOURCE_DIR) + "/data/skin/kvo/lang/" + language + ".ini");
  DefaultProfile(format);
  const TRecordFields record(format);
  for (int i = 4; i < argc; ++i) {
    const std::string pair = argv[i];
    const size_t eq = pair.find('=');
    const std::string key = pair.substr(0, eq), value = pair.substr(eq + 1);
    int32_t number = 0;
    if (std::from_chars(value.data(), value.data() + value.size(), number).ec == std::errc())
      record.SetInt(key, number);
    else
      record.SetText(key, value);
  }
  std::unique_ptr<TProfileEditor> editor = CreateProfileEditor(nullptr, format);
  editor->LoadControls();
  editor->adjustSize();
  editor->show();
  // An active window is drawn in its active colours; without a window manager
  // activation takes a moment, and pictures taken before it would differ.
  for (int i = 0; i < 200 && !editor->isActiveWindow(); ++i) {
    editor->activateWindow();
    app.processEvents(QEventLoop::AllEvents, 10);
  }
  auto* tabs = editor->findChild<QTabWidget*>(QStringLiteral("PageControlOptions"));
  std::vector<QPixmap> shots;
  for (int t = 0; t < tabs->count(); ++t) {
    if (!tabs->isTabVisible(t)) continue;
    tabs->setCurrentIndex(t);
    // No keyboard focus anywhere: where it lands after a tab switch depends on
    // timing, and a focused control is drawn differently.
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
    // Let every queued update land before the picture is taken.
    for (int i = 0; i < 5; ++i) {
      QApplication::sendPostedEvents();
      app.processEvents(QEventLoop::AllEvents, 20);
    }
    const QString name =
        QStringLiteral("%1/%2-%3-%4-%5.png")
            .arg(out, QString::fromLatin1(argv[1]).toLower(), QString::fromStdString(language))
            .arg(t)
            .arg(tabs->widget(t)->objectName());
    shots.push_back(editor->grab());
    if (!shots.back().save(name)) return 1;
    std::printf("%s %dx%d\n", qPrintable(name), editor->width(), editor->height());
  }
  QPixmap sheet(static_cast<int>(shots.size()) * (editor->width() + 8), editor->height());
  sheet.fill(Qt::darkGray);
  QPainter painter(&sheet);
  for (size_t i = 0; i < shots.size(); ++i)
    painter.drawPixmap(static_cast<int>(i) * (editor->width() + 8), 0, shots[i]);
  painter.end();
  const QString sheetName =
      QStringLiteral("%1/%2-%3.png")
          .arg(out, QString::fromLatin1(argv[1]).toLower(), QString::fromStdString(language));
  return sheet.save(sheetName) ? 0 : 1;
}
