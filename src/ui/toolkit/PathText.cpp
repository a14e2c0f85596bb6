// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/PathText.h"

#include <QByteArray>
#include <QTextDocument>

#include "base/Utf8.h"

QString ShownName(const std::string& bytes) {
  const std::string shown = ShownText(bytes);
  return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

std::string LocalPathOf(const QUrl& url) {
  if (!url.isLocalFile()) return {};
  // QUrl keeps a byte that is not UTF-8 percent-encoded; decoding the
  // encoded path gives it back, where toLocalFile() would replace it.
  return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
}

QUrl UrlOfLocalPath(const std::string& bytes) {
  if (bytes.empty()) return {};
  QByteArray path = QByteArray::fromStdString(bytes).toPercentEncoding("/");
  return QUrl::fromEncoded("file://" + path, QUrl::StrictMode);
}

QString PlainToolTip(const QString& text) {
  if (!Qt::mightBeRichText(text)) return text;
  return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}
