#include "aboutwindow.h"

#include "errorreport.h"
#include "paletteicon.h"

#include "quorvexversion.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace quorvex {
namespace {

constexpr int aboutWidth = 365;
constexpr int aboutHeight = 219;

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
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(tr("About Quorvex"));
  setModal(true);
  setAttribute(Qt::WA_DeleteOnClose, false);

  auto *panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setGeometry(0, 0, aboutWidth, aboutHeight);

  auto *logo = new QLabel(panel);
  logo->setObjectName(QStringLiteral("Image1"));
  logo->setGeometry(4, 4, 170, 49);
  logo->setPixmap(
      palettePixmap(QStringLiteral("logo"), QSize(170, 49), devicePixelRatioF()));

  // The window has a fixed size and its lines fixed places: a line longer
  // than the room given in its translator's note is cut at the edge. The
  // product's, the makers' and the homepage's names are names, the same in
  // every language.
  label(panel, QStringLiteral("Quorvex"), {218, 8}, 21, true);
  //: About window, after the product name; with the version number about 16
  //: characters fit
  label(panel, tr("version %1").arg(QStringLiteral(QUORVEX_VERSION)), {248, 32}, 13);
  //: About window line; about 40 characters fit
  label(panel, tr("Written by the Quorvex developers"), {10, 51}, 16);
  //: About window line; about 60 characters fit
  label(panel, tr("Made to support learning and everyday calculation"), {10, 75}, 11);
  //: About window line, above the homepage's address; about 60 characters fit
  label(panel, tr("Project homepage:"), {10, 91}, 11);
  label(panel, QStringLiteral(QUORVEX_HOMEPAGE), {10, 107}, 11);
  QLabel *institution =
      label(panel, QStringLiteral("The Quorvex Calculator Workshop"), {10, 146}, 12);
  institution->setForegroundRole(QPalette::Link);

  auto *bevel = new QFrame(panel);
  bevel->setFrameShape(QFrame::Panel);
  bevel->setFrameShadow(QFrame::Sunken);
  bevel->setGeometry(11, 180, 287, 30);
  //: About window, in large bold type in a 287-pixel frame; about 24 characters fit
  QLabel *cause = label(bevel, tr("Free Calculation"), {0, 0}, 21, true);
  cause->setAlignment(Qt::AlignCenter);
  cause->setGeometry(bevel->contentsRect());

  //: About window button, 47 pixels wide; about 5 characters fit
  auto *okButton = new QPushButton(tr("&Ok"), panel);
  okButton->setObjectName(QStringLiteral("OKButton"));
  okButton->setGeometry(310, 179, 47, 30);
  okButton->setDefault(true);
  connect(okButton, &QPushButton::clicked, this,
          [this] { runAction([this] { accept(); }); });
  okButton->setFocus(Qt::OtherFocusReason);

  setFixedSize(aboutWidth, aboutHeight);
}

void TAboutForm::mousePressEvent(QMouseEvent *event) {
  // Labels and the panel pass their clicks on to here.
  event->accept();
  accept();
}

} // namespace quorvex
