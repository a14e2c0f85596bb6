// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/EditorText.h"

#include "base/FormatText.h"

QString QtText(std::string_view text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

QString LangText(TMsgKey key) {
  return QtText(ResStr(key));
}

QString LangFormat(TMsgKey key, std::initializer_list<std::string> args) {
  return QtText(FormatText(ResStr(key), args));
}
