// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window's controls, texts and places. The client area is
// 524 x 370 (a line more than the classic window, for the failures);
// captions are measured so that no language is cut off.
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/BuildConstants.h"
#include "app/GlobalVars.h"
#include "engine/ConvertAnimation.h"
#include "engine/Progress.h"
#include "engine/ProgressLayout.h"
#include "engine/ProgressPanel.h"
#include "lang/ResStr.h"

namespace {

constexpr int kWidth = 524;
constexpr int kHeight = 370;
constexpr int kMargin = 16;
constexpr int kRight = kWidth - kMargin;
constexpr int kGap = 6;
// The widest value a clock label shows.
const QString kWidestClock = QStringLiteral("00:00:00");

QString Text(TMsgKey key) {
  return QString::fromStdString(ResStr(key));
}

template <class T>
T* Make(QWidget* parent, const char* name) {
  auto* w = new T(parent);
  w->setObjectName(name);
  return w;
}

QLabel* MakeLabel(QWidget* parent, const char* name) {
  auto* label = Make<QLabel>(parent, name);
  // File names are shown as they are: never as markup, never with mnemonics.
  label->setTextFormat(Qt::PlainText);
  return label;
}

int TextWidth(const QWidget* w, const QString& text) {
  return w->fontMetrics().horizontalAdvance(text) + 2;
}

int LineHeight(const QWidget* w) {
  return w->fontMetrics().height() + 2;
}

// A caption at left and its value right after it.
int PlacePair(QLabel* caption, QLabel* value, int left, int top) {
  caption->setGeometry(left, top, TextWidth(caption, caption->text()), LineHeight(caption));
  int x = caption->geometry().right() + 1 + kGap;
  value->setGeometry(x, top, TextWidth(value, kWidestClock), LineHeight(value));
  return value->geometry().right() + 1;
}

// A label ending at kRight, wide enough for `widest`.
void PlaceRight(QLabel* label, int top, const QString& widest) {
  int width = TextWidth(label, widest);
  label->setGeometry(kRight - width, top, width, LineHeight(label));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace

void TfrmProgress::CreateControls() {
  PanelImage = Make<TProgressPanel>(this, "PanelImage");
  LabelCovnerting = MakeLabel(PanelImage, "LabelCovnerting");
  QPalette white = LabelCovnerting->palette();
  white.setColor(QPalette::WindowText, Qt::white);
  LabelCovnerting->setPalette(white);
  QFont big = LabelCovnerting->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.4);
  LabelCovnerting->setFont(big);
  Animate_Convert = Make<TConvertAnimation>(PanelImage, "Animate_Convert");

  LabelStatusRemainingSingle = MakeLabel(this, "LabelStatusRemainingSingle");
  LabelStatusRemaining = MakeLabel(this, "LabelStatusRemaining");
  LabelStatus = MakeLabel(this, "LabelStatus");
  ProgressBarStatus = Make<QProgressBar>(this, "ProgressBarStatus");
  LabelBatch = MakeLabel(this, "LabelBatch");
  ProgressBarBatch = Make<QProgressBar>(this, "ProgressBarBatch");
  for (QProgressBar* bar : {ProgressBarStatus, ProgressBarBatch}) {
    bar->setRange(0, 100);
    bar->setTextVisible(false);
  }
  LabelRemaining = MakeLabel(this, "LabelRemaining");
  LabelBatchRemaining = MakeLabel(this, "LabelBatchRemaining");
  LabelElapsed = MakeLabel(this, "LabelElapsed");
  LabelBatchElapsed = MakeLabel(this, "LabelBatchElapsed");
  Labelestimated = MakeLabel(this, "Labelestimated");
  LabelBatchEstimated = MakeLabel(this, "LabelBatchEstimated");
  LabelWorking = MakeLabel(this, "LabelWorking");
  LabelOutput = MakeLabel(this, "LabelOutput");
  LabelFailed = MakeLabel(this, "LabelFailed");
  QPalette failed = LabelFailed->palette();
  failed.setColor(QPalette::WindowText, QColor(0xB0, 0x1C, 0x1C));
  LabelFailed->setPalette(failed);
  LabelFailed->hide();
  LabelStopWhenDone = MakeLabel(this, "LabelStopWhenDone");
  QFont bold = LabelStopWhenDone->font();
  bold.setBold(true);
  LabelStopWhenDone->setFont(bold);
  LabelStopWhenDone->setAlignment(Qt::AlignCenter);
  LabelStopWhenDone->hide();

  CheckBoxDelSource = Make<QCheckBox>(this, "CheckBoxDelSource");
  CheckBoxDelSource->setChecked(GlobalVars.DeleteFileAfterProcessing);
  CheckBoxShutdown = Make<QCheckBox>(this, "CheckBoxShutdown");
  CheckBoxShutdown->setChecked(GlobalVars.ShutdownWindowsWhenDone);
  ButtonTray = Make<QPushButton>(this, "ButtonTray");
  ButtonCancel = Make<QPushButton>(this, "ButtonCancel");
  ButtonCancel->setDefault(true);
  ButtonTray->setAutoDefault(false);
}

void TfrmProgress::SetTexts() {
  setWindowTitle(Text(MSG_CONVERTING_IN));
  LabelRemaining->setText(Text(MSG_REMAINING_TIME));
  LabelStatusRemainingSingle->setText(Text(MSG_REMAINING_TIME));
  LabelElapsed->setText(Text(MSG_ELAPSED_TIME));
  Labelestimated->setText(Text(MSG_ESTIMATED_TIME));
  LabelStopWhenDone->setText(Text(MSG_STOP_WHEN_DONE));
  CheckBoxDelSource->setText(Text(MSG_DEL_AFTER));
  CheckBoxShutdown->setText(Text(MSG_SHUTDOWN_AFTER));
  ButtonTray->setText(Text(MSG_SEND_TO_TRAY));
  ButtonCancel->setText(Text(MSG_CANCEL));
}

void TfrmProgress::PlaceControls() {
  setFixedSize(kWidth, kHeight);
  PanelImage->setGeometry(0, 0, kWidth, 64);
  Animate_Convert->setGeometry(352, 8, 160, 48);
  LabelCovnerting->setGeometry(kMargin, 0, 352 - kMargin - kGap, 64);
  LabelCovnerting->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  PlacePair(LabelStatusRemainingSingle, LabelStatusRemaining, kMargin, 76);
  PlaceRight(LabelStatus, 76, Text(MSG_ID_STATUS) + "100%");
  ProgressBarStatus->setGeometry(kMargin, 98, kRight - kMargin, 16);
  PlacePair(LabelRemaining, LabelBatchRemaining, kMargin, 124);
  PlaceRight(LabelBatch, 124, Text(MSG_ID_BATCH) + "100%");
  ProgressBarBatch->setGeometry(kMargin, 146, kRight - kMargin, 16);
  PlacePair(LabelElapsed, LabelBatchElapsed, kMargin, 170);
  // The estimate's pair ends at the right margin, under the batch figure.
  int estimated = TextWidth(Labelestimated, Labelestimated->text()) + kGap +
                  TextWidth(LabelBatchEstimated, kWidestClock);
  PlacePair(Labelestimated, LabelBatchEstimated, kRight - estimated, 170);

  LabelWorking->setGeometry(kMargin, 198, kRight - kMargin, LineHeight(LabelWorking));
  LabelOutput->setGeometry(kMargin, 218, kRight - kMargin, LineHeight(LabelOutput));
  LabelFailed->setGeometry(kMargin, 238, kRight - kMargin, LineHeight(LabelFailed));
  LabelStopWhenDone->setGeometry(kMargin, 262, kRight - kMargin, LineHeight(LabelStopWhenDone));
  for (auto [box, top] : {std::pair{CheckBoxDelSource, 284}, std::pair{CheckBoxShutdown, 306}})
    box->setGeometry(kMargin, top, std::min(box->sizeHint().width(), kRight - kMargin),
                     box->sizeHint().height());

  const int buttonHeight = std::max(25, ButtonCancel->sizeHint().height());
  const int buttonTop = kHeight - 11 - buttonHeight;
  const int cancelWidth = std::max(110, ButtonCancel->sizeHint().width());
  ButtonCancel->setGeometry(kRight - cancelWidth, buttonTop, cancelWidth, buttonHeight);
  // A little air around the caption: the style's own margin is tight.
  const TButtonPlace tray = TrayButtonPlace(BuildLanguage(), ButtonTray->sizeHint().width() + 8,
                                            ButtonCancel->x(), kMargin);
  ButtonTray->setGeometry(tray.Left, buttonTop, tray.Width, buttonHeight);
}
