// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>
#include <string>

// File names are bytes, whatever the system that wrote them used; a QString
// is text. A name goes through QString only to be shown: what comes back
// from a widget or a dialog as a path is taken from a URL, whose encoded
// form keeps every byte, never from text.

// A name as shown: its bytes that are not UTF-8 become U+FFFD.
QString ShownName(const std::string& bytes);

// The path of a local file URL with its bytes as they are; "" for any other
// URL.
std::string LocalPathOf(const QUrl& url);

// A file URL naming exactly these bytes.
QUrl UrlOfLocalPath(const std::string& bytes);

// A tool tip that shows its text as it is. Tool tips take whatever looks
// like markup for markup, so a name holding "<img width=20000 ...>" would
// otherwise show a picture or a tip wider than every screen.
QString PlainToolTip(const QString& text);
