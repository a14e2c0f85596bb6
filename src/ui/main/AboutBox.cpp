// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/AboutBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/BuildConstants.h"
#include "app/Dialogs.h"
#include "app/Guarded.h"
#include "app/ProgramFolder.h"
#include "app/SkinLayout.h"
#include "app/Startup.h"
#include "app/DialogPlacement.h"
#include "lang/ResStr.h"
#include "toolkit/SkinPixmap.h"

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.c_str()); }

QLabel* Link(const QString& shown, const std::string& target, QWidget* parent) {
  auto* label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(shown.toHtmlEscaped()), parent);
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  QObject::connect(label, &QLabel::linkActivated, label, [target] { Guarded([&] { ShellOpen(target); }); });
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner) {
  setObjectName("frmAbout");
  setWindowTitle(Q(ResStr(MSG_ABOUT_CAPTIAON)));

  auto* picture = new QLabel(this);
  picture->setObjectName("ImageLeft");
  // The picture is read from the skin file each time the box opens.
  TSkinLayout skin = ReadSkinLayout(SkinFilePath());
  picture->setPixmap(LoadSkinPixmap(SkinFilePath(), skin.SplashLeftImage, devicePixelRatioF()));
  picture->setAlignment(Qt::AlignTop);

  auto* title = new QLabel(Q(ResStr(MSG_APPLICATION_TITLE)), this);
  title->setObjectName("LabelTitle");
  QFont f = title->font();
  f.setBold(true);
  f.setPointSizeF(f.pointSizeF() * 1.4);
  title->setFont(f);
  auto* version = new QLabel(Q(ApplicationVersionText()), this);
  version->setObjectName("LabelVersion");
  auto* copyright = new QLabel(Q(ResStr(MSG_COPYRIGHT)), this);
  auto* notice = new QLabel(Q(ResStr(MSG_COPYRIGHT_WARNING)), this);
  notice->setWordWrap(true);
  notice->setMinimumWidth(320);
  // A build that names no addresses links to its own help pages, by their
  // names in the language shown.
  QLabel* home = Link(Q(ResStr(HomePageIsHelp() ? MSG_HELP_HOME_LINK : MSG_HOMEPAGE)),
                      HomePageAddress(), this);
  home->setObjectName("LabelHomePage");
  QLabel* support = Link(Q(ResStr(SupportIsHelp() ? MSG_HELP_SUPPORT_LINK : MSG_SUPPORT_MAIL)),
                         SupportAddress(), this);
  support->setObjectName("LabelSupport");

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(Q(ResStr(MSG_OK)), QDialogButtonBox::AcceptRole);
  ok->setObjectName("btnOK");
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* text = new QVBoxLayout;
  text->addWidget(title);
  text->addWidget(version);
  text->addSpacing(8);
  text->addWidget(copyright);
  text->addWidget(notice);
  text->addSpacing(8);
  text->addWidget(home);
  text->addWidget(support);
  text->addStretch(1);
  auto* row = new QHBoxLayout;
  row->addWidget(picture);
  row->addSpacing(16);
  row->addLayout(text, 1);
  auto* all = new QVBoxLayout(this);
  all->addLayout(row);
  all->addWidget(buttons);
  all->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::showEvent(QShowEvent* event) {
  CentreOverOwner(this, parentWidget());
  QDialog::showEvent(event);
}
