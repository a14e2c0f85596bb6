// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/CodecPage.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "editors/EditorText.h"

QVBoxLayout* StartCodecPage(QWidget& page, const QString& pageName, TMsgKey codec) {
  page.setObjectName(pageName);
  auto* title = new QLabel(LangFormat(MSG_FORMAT_PROPERTIES, {ResStr(codec)}), &page);
  title->setObjectName("LabelTitle" + pageName.mid(QStringLiteral("TabSheet").size()));
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  auto* bevel = new QFrame(&page);
  bevel->setFrameShape(QFrame::HLine);
  bevel->setFrameShadow(QFrame::Sunken);
  auto* layout = new QVBoxLayout(&page);
  layout->addWidget(title);
  layout->addWidget(bevel);
  return layout;
}
