#include "formulahint.h"

#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvex {

FormulaHint::FormulaHint(QWidget *parent) : PassivePopup(parent) {
  setObjectName(QStringLiteral("formulaHint"));
  setAccessibleName(tr("Formula hint"));
  label_ = new QLabel(this);
  label_->setObjectName(QStringLiteral("formulaHintText"));
  label_->setTextFormat(Qt::RichText);
  label_->setWordWrap(true);
  label_->setFocusPolicy(Qt::NoFocus);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 3, 6, 3);
  layout->addWidget(label_);
}

void FormulaHint::showText(const QString &richText, const QString &plainText,
                           QPoint topLeft, int width) {
  // Every keystroke asks again; the same hint in the same place stays put.
  if (isVisible() && label_->text() == richText && pos() == topLeft &&
      maximumWidth() <= width)
    return;
  label_->setText(richText);
  setAccessibleDescription(plainText);
  label_->setAccessibleName(plainText);
  const int margins =
      layout()->contentsMargins().left() + layout()->contentsMargins().right();
  // As wide as the text needs, at most as wide as the box, wrapping after.
  const int natural = label_->fontMetrics().boundingRect(plainText).width() + margins + 4;
  setFixedWidth(std::min(natural, width));
  showAt(topLeft);
}

} // namespace quorvex
