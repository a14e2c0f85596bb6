// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how wide texts of a language file are drawn in the windows' font, so
// a wording can be checked against the control that shows it before any
// window exists:
//   build/tools/kinovert-textwidths data/skin/kvo/lang/french.ini MSG_HIBERNATE ...
// With no key every text is measured; after --text the arguments are measured
// as they stand (wordings not in a file yet). The widest line of a text counts.
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <string>

#include "lang/ResStr.h"

namespace {

// DejaVu Sans 9 pt at 96 dpi; a pixel size keeps the figure independent of
// the screen the offscreen platform pretends to have.
constexpr int kPixelSize = 12;

void Print(const QFontMetrics& metrics, const std::string& name, const std::string& utf8) {
  const QString text = QString::fromUtf8(utf8.c_str());
  int width = 0;
  for (const QString& line : text.split(QStringLiteral("\r\n")))
    width = std::max(width, metrics.horizontalAdvance(line));
  std::printf("%4d  %s  %s\n", width, name.c_str(), text.simplified().toUtf8().constData());
}

void Print(const QFontMetrics& metrics, TMsgKey key) {
  Print(metrics, std::string(MsgKeyName(key)), ResStr(key));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: kinovert-textwidths LANGUAGE_FILE [KEY...]\n");
    return 2;
  }
  // Measuring needs no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (!LoadLanguage(argv[1])) {
    std::fprintf(stderr, "kinovert-textwidths: cannot read %s\n", argv[1]);
    return 1;
  }
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(kPixelSize);
  const QFontMetrics metrics(font);
  if (argc == 2) {
    for (int i = 0; i < kMsgKeyCount; ++i) Print(metrics, static_cast<TMsgKey>(i));
    return 0;
  }
  int status = 0;
  bool literal = false;
  for (int i = 2; i < argc; ++i) {
    if (literal) {
      Print(metrics, "-", NormaliseText(argv[i]));
    } else if (std::string(argv[i]) == "--text") {
      literal = true;
    } else if (auto key = FindMsgKey(argv[i])) {
      Print(metrics, *key);
    } else {
      std::fprintf(stderr, "kinovert-textwidths: no key %s\n", argv[i]);
      status = 1;
    }
  }
  return status;
}
