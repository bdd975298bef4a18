#include "documentationwindow.h"

#include "userguide.h"

#include <QEvent>
#include <QFrame>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvex {
namespace {

constexpr int helperWidth = 477;
constexpr int helperHeight = 392;
constexpr int findWidth = 200;

} // namespace

THelperForm::THelperForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("HelperForm"));
  setWindowTitle(tr("Documentation"));
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
  RichEdit1->setAccessibleName(tr("User guide"));
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

  // Over the text, not beside it: the window's layout stays the text alone.
  findEdit_ = new QLineEdit(this);
  findEdit_->setObjectName(QStringLiteral("findEdit"));
  findEdit_->setAccessibleName(tr("Find in the documentation"));
  //: Placeholder of the find field, 200 pixels wide
  findEdit_->setPlaceholderText(tr("Find"));
  findEdit_->setClearButtonEnabled(true);
  findEdit_->hide();
  connect(findEdit_, &QLineEdit::textEdited, this, [this] { find({}, true); });
  connect(findEdit_, &QLineEdit::returnPressed, this, [this] { findNext(); });

  const auto shortcut = [this](QWidget *where, const QKeySequence &keys, auto command) {
    auto *key = new QShortcut(keys, where);
    key->setContext(where == this ? Qt::WindowShortcut : Qt::WidgetShortcut);
    connect(key, &QShortcut::activated, this, command);
  };
  const auto backward = [this] { findNext(QTextDocument::FindBackward); };
  shortcut(this, QKeySequence::Find, [this] { showFind(); });
  shortcut(this, QKeySequence(Qt::Key_F3), [this] { findNext(); });
  shortcut(this, QKeySequence(Qt::SHIFT | Qt::Key_F3), backward);
  shortcut(findEdit_, QKeySequence(Qt::SHIFT | Qt::Key_Return), backward);
  shortcut(this, QKeySequence(Qt::Key_Escape), [this] { escape(); });
}

void THelperForm::showFind() {
  const QRect text(RichEdit1->viewport()->mapTo(this, QPoint()),
                   RichEdit1->viewport()->size());
  const int width = std::min(findWidth, text.width());
  findEdit_->setGeometry(text.right() + 1 - width, text.top(), width,
                         findEdit_->sizeHint().height());
  findEdit_->show();
  findEdit_->raise();
  findEdit_->selectAll();
  findEdit_->setFocus(Qt::ShortcutFocusReason);
}

void THelperForm::findNext(QTextDocument::FindFlags direction) {
  if (findEdit_->isHidden() || findEdit_->text().isEmpty()) {
    showFind();
    if (findEdit_->text().isEmpty())
      return;
  }
  find(direction, false);
}

void THelperForm::find(QTextDocument::FindFlags direction, bool refine) {
  const QString text = findEdit_->text();
  QTextCursor cursor = RichEdit1->textCursor();
  if (refine)
    cursor.setPosition(cursor.selectionStart());
  QTextCursor found;
  if (!text.isEmpty()) {
    QTextDocument &document = *RichEdit1->document();
    found = document.find(text, cursor, direction);
    if (found.isNull()) {
      // Round the end to the other end of the guide.
      cursor.movePosition(direction & QTextDocument::FindBackward ? QTextCursor::End
                                                                  : QTextCursor::Start);
      found = document.find(text, cursor, direction);
    }
  }
  // A text that is nowhere shows so in the field; the last match stays.
  QPalette colours = palette();
  if (!text.isEmpty() && found.isNull())
    colours.setColor(QPalette::Text, Qt::red);
  findEdit_->setPalette(colours);
  if (found.isNull())
    return;
  RichEdit1->setTextCursor(found);
  RichEdit1->ensureCursorVisible();
}

void THelperForm::escape() {
  if (findEdit_->isVisible()) {
    findEdit_->hide();
    RichEdit1->setFocus(Qt::ShortcutFocusReason);
    return;
  }
  close();
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
