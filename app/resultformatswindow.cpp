#include "resultformatswindow.h"

#include "engine/decimalseparator.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quorvex {

ResultFormatsWindow::ResultFormatsWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("resultFormatsWindow"));
  setWindowTitle(tr("Result in every format"));
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("formatList"));
  list_->setAccessibleName(tr("Result in every format"));
  list_->setHeaderLabels({tr("Format"), tr("Text")});
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->header()->setStretchLastSection(true);
  list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  chosenText_ = new QPlainTextEdit(this);
  chosenText_->setObjectName(QStringLiteral("chosenText"));
  chosenText_->setAccessibleName(tr("Text of the chosen format"));
  chosenText_->setReadOnly(true);
  chosenText_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  chosenText_->setFixedHeight(chosenText_->fontMetrics().lineSpacing() * 4);

  auto *buttons = new QDialogButtonBox(this);
  copyButton_ = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
  copyButton_->setObjectName(QStringLiteral("copyButton"));
  copyButton_->setAccessibleName(tr("Copy"));
  QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
  close->setObjectName(QStringLiteral("closeButton"));
  close->setAccessibleName(tr("Close"));
  connect(copyButton_, &QPushButton::clicked, this, &ResultFormatsWindow::copyLine);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto *copy = new QShortcut(QKeySequence::Copy, list_);
  copy->setContext(Qt::WidgetShortcut);
  connect(copy, &QShortcut::activated, this, &ResultFormatsWindow::copyLine);
  auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  connect(list_, &QTreeWidget::currentItemChanged, this,
          &ResultFormatsWindow::showChosenLine);

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(chosenText_);
  layout->addWidget(buttons);
  resize(520, 300);
}

void ResultFormatsWindow::showChosenLine() {
  const QTreeWidgetItem *item = list_->currentItem();
  const QString text = item ? item->text(1) : QString();
  chosenText_->setPlainText(text);
  copyButton_->setEnabled(!text.isEmpty());
}

void ResultFormatsWindow::showValue(
    std::optional<Float> value,
    const std::vector<std::pair<QString, NumberFormat>> &formats) {
  const int current = list_->currentIndex().isValid() ? list_->currentIndex().row() : 0;
  list_->clear();
  const char separator = decimalSeparator();
  for (const auto &[name, format] : formats) {
    const QString text =
        value ? QString::fromStdString(numberText(*value, format, separator)) : QString();
    new QTreeWidgetItem(list_, {name, text});
  }
  list_->setCurrentItem(
      list_->topLevelItem(std::min(current, list_->topLevelItemCount() - 1)));
}

void ResultFormatsWindow::copyLine() const {
  if (const QTreeWidgetItem *item = list_->currentItem();
      item && !item->text(1).isEmpty())
    QApplication::clipboard()->setText(item->text(1));
}

} // namespace quorvex
