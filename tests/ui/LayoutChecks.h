// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSizeGrip>
#include <QWidget>
#include <set>
#include <string>

#include "toolkit/ImageButton.h"

// What a person would see as broken in a window of fixed places: a caption
// cut off by its control, a control outside its parent, two controls on top
// of each other. Checked on every visible control below root, level by level.
// Labels named in `elided` shorten their text on purpose and are let be;
// widgets named in `underlay` are backdrops the others stand on.
inline void ExpectNothingClipped(const QWidget* root, const std::set<std::string>& elided = {},
                                 const std::set<std::string>& underlay = {}) {
  const QObjectList& children = root->children();
  std::vector<const QWidget*> shown;
  for (const QObject* o : children) {
    const auto* w = qobject_cast<const QWidget*>(o);
    if (w == nullptr || w->isWindow() || w->isHidden()) continue;
    shown.push_back(w);
    const std::string name = w->objectName().toStdString();
    SCOPED_TRACE(name);
    EXPECT_TRUE(root->rect().contains(w->geometry()))
        << "outside its parent " << root->objectName().toStdString();
    const auto* label = qobject_cast<const QLabel*>(w);
    if (label && !label->text().isEmpty() && !elided.count(name)) {
      if (label->wordWrap()) {
        EXPECT_LE(label->heightForWidth(label->width()), label->height())
            << label->text().toStdString();
        // Wrapping cannot help a word longer than the line.
        for (const QString& word : label->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
          EXPECT_LE(label->fontMetrics().horizontalAdvance(word), label->contentsRect().width())
              << word.toStdString();
      } else {
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
      }
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
      EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
    }
    if (const auto* image = qobject_cast<const TImageButton*>(w)) {
      EXPECT_TRUE(image->CaptionFits()) << image->DrawnCaption().toStdString();
    }
    if (const auto* box = qobject_cast<const QComboBox*>(w)) {
      EXPECT_LE(box->sizeHint().width(), box->width());
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
      EXPECT_LE(group->minimumSizeHint().width(), group->width()) << group->title().toStdString();
    }
    ExpectNothingClipped(w, elided, underlay);
  }
  // A size grip is drawn over the corner it sits in.
  auto backdrop = [&](const QWidget* w) {
    return underlay.count(w->objectName().toStdString()) > 0 || qobject_cast<const QSizeGrip*>(w) != nullptr;
  };
  for (size_t i = 0; i < shown.size(); ++i)
    for (size_t j = i + 1; j < shown.size(); ++j)
      if (!backdrop(shown[i]) && !backdrop(shown[j])) {
        EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
            << shown[i]->objectName().toStdString() << " overlaps "
            << shown[j]->objectName().toStdString() << " (" << shown[j]->metaObject()->className() << ")";
      }
}

// The four shipped languages, as language files of the program folder.
inline const char* const kShippedLanguages[] = {"english.ini", "french.ini", "deutsch.ini",
                                                "italian.ini"};
inline std::string ShippedLanguagePath(const char* file) {
  return std::string(KINOVERT_PROGRAM_DIR "/skin/kvo/lang/") + file;
}
