// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <string>

// A picture named in the skin file, loaded from beside it whatever its letter
// case on disk; on a screen of 1.5 times density or more its twice-as-large
// twin ("name@2x.png") is taken when there is one. A null pixmap when the
// picture is not there: the control then simply has no picture.
QPixmap LoadSkinPixmap(const std::string& skinFile, const std::string& picture, qreal deviceRatio);

// The same for a picture file of the skin folder named directly.
QPixmap LoadSkinFolderPixmap(const std::string& fileName, qreal deviceRatio);
