#include "about.h"

#include "errorreport.h"
#include "paletteicon.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace quorvex {
namespace {

constexpr int AboutWidth = 365;
constexpr int AboutHeight = 219;

QLabel *label(QWidget *parent, const QString &text, QPoint at, int pixels,
              bool bold = false) {
  auto *line = new QLabel(text, parent);
  QFont font = line->font();
  font.setPixelSize(pixels);
  font.setBold(bold);
  line->setFont(font);
  line->move(at);
  line->adjustSize();
  return line;
}

} // namespace

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(QStringLiteral("About Quorvex"));
  setModal(true);
  setAttribute(Qt::WA_DeleteOnClose, false);

  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(0, 0, AboutWidth, AboutHeight);

  Image1 = new QLabel(Panel1);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(4, 4, 170, 49);
  Image1->setPixmap(palettePixmap(QStringLiteral("logo"), QSize(170, 49),
                                  devicePixelRatioF()));

  label(Panel1, QStringLiteral("Quorvex"), {218, 8}, 21, true);
  label(Panel1, QStringLiteral("version 5.4"), {248, 32}, 13);
  label(Panel1, QStringLiteral("Written by the Quorvex developers"), {10, 51},
        16);
  label(Panel1,
        QStringLiteral("Made to support learning and everyday calculation"),
        {10, 75}, 11);
  label(Panel1, QStringLiteral("Project homepage:"), {10, 91}, 11);
  label(Panel1, QStringLiteral("https://quorvex.invalid/"), {10, 107}, 11);
  QLabel *institution = label(
      Panel1, QStringLiteral("The Quorvex Calculator Workshop"), {10, 146}, 12);
  institution->setForegroundRole(QPalette::Link);

  auto *bevel = new QFrame(Panel1);
  bevel->setFrameShape(QFrame::Panel);
  bevel->setFrameShadow(QFrame::Sunken);
  bevel->setGeometry(11, 180, 287, 30);
  QLabel *cause = label(bevel, QStringLiteral("Free Calculation"), {0, 0}, 21,
                        true);
  cause->setAlignment(Qt::AlignCenter);
  cause->setGeometry(bevel->contentsRect());

  OKButton = new QPushButton(QStringLiteral("&Ok"), Panel1);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(310, 179, 47, 30);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this,
          [this] { runAction([this] { accept(); }); });
  OKButton->setFocus(Qt::OtherFocusReason);

  setFixedSize(AboutWidth, AboutHeight);
}

void TAboutForm::mousePressEvent(QMouseEvent *event) {
  // Labels and the panel pass their clicks on to here.
  event->accept();
  accept();
}

} // namespace quorvex
