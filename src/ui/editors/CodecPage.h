// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "lang/ResStr.h"

class QVBoxLayout;
class QWidget;

// Starts a codec page: names it and puts the bold "%s format properties"
// title (with the codec's list text) above a bevel line. The page's groups
// go into the returned layout.
QVBoxLayout* StartCodecPage(QWidget& page, const QString& pageName, TMsgKey codec);
