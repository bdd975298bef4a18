#include "documentationwindow.h"

#include "userguide.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quorvex {
namespace {

constexpr int helperWidth = 477;
constexpr int helperHeight = 392;

} // namespace

THelperForm::THelperForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("HelperForm"));
  setWindowTitle(QStringLiteral("Documentation"));
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::Panel);
  Panel1->setFrameShadow(QFrame::Raised);
  Panel1->setBackgroundRole(QPalette::Base);
  Panel1->setAutoFillBackground(true);
  Panel1->installEventFilter(this);

  RichEdit1 = new QTextBrowser(Panel1);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setReadOnly(true);
  RichEdit1->setOpenLinks(false);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setHtml(userGuide());

  auto *panelLayout = new QVBoxLayout(Panel1);
  panelLayout->setContentsMargins(4, 4, 4, 4);
  panelLayout->addWidget(RichEdit1);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Panel1);
  setFixedSize(helperWidth, helperHeight);
}

bool THelperForm::eventFilter(QObject *watched, QEvent *event) {
  if (watched == Panel1 && event->type() == QEvent::MouseButtonPress) {
    close();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void THelperForm::mousePressEvent(QMouseEvent *event) {
  event->accept();
  close();
}

} // namespace quorvex
