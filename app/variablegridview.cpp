#include "variablegridview.h"

#include "errorreport.h"

#include "session/valuegrid.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>
#include <limits>
#include <string>

namespace quorvex {

// Creates line editors for the value cells and tells the grid about each, so
// that the grid can forward every change to the model as it is typed.
class ValueCellDelegate final : public QStyledItemDelegate {
public:
  explicit ValueCellDelegate(VariableGridView &grid)
      : QStyledItemDelegate(&grid), grid_(grid) {}

  QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                        const QModelIndex &index) const override {
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
      // The grid has no length limit of its own; the conversion judges.
      line->setMaxLength(std::numeric_limits<int>::max());
      grid_.editorCreated(line, index.row());
    }
    return editor;
  }

protected:
  // The fixed header row and name column look like buttons, in whatever
  // colours the current palette gives buttons.
  void initStyleOption(QStyleOptionViewItem *option,
                       const QModelIndex &index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.row() == 0 || index.column() == 0) {
      option->backgroundBrush = option->palette.button();
      option->palette.setBrush(QPalette::Text, option->palette.buttonText());
    }
  }

private:
  VariableGridView &grid_;
};

namespace {

constexpr int defaultColumnWidth = 90;
constexpr int defaultRowHeight = 18;

// The header row as the session names it, in English, and as it is shown.
QString headingText(const std::string &heading) {
  return QCoreApplication::translate("VariableList", heading.c_str());
}

} // namespace

VariableGridView::VariableGridView(TValueGrid &model, QWidget *parent)
    : QTableWidget(parent), model_(model) {
  setColumnCount(TValueGrid::columnCount);
  // Hidden, the headers still name each cell's column to assistive
  // technology, which would otherwise read Qt's numbers.
  setHorizontalHeaderLabels({QCoreApplication::translate("VariableList", "Name"),
                             QCoreApplication::translate("VariableList", "Value")});
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setDefaultSectionSize(defaultColumnWidth);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  verticalHeader()->setDefaultSectionSize(
      std::max(defaultRowHeight, fontMetrics().height() + 4));
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setShowGrid(true);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setEditTriggers(QAbstractItemView::AllEditTriggers);
  setTabKeyNavigation(false);
  setItemDelegate(new ValueCellDelegate(*this));
  refresh();
}

void VariableGridView::refresh() {
  const QSignalBlocker blocker(this);
  const int rows = model_.RowCount();
  const auto showRow = [this](int row) {
    for (int column = 0; column < TValueGrid::columnCount; ++column) {
      const QString text = row == 0 ? headingText(model_.Cell(column, row))
                                    : QString::fromStdString(model_.Cell(column, row));
      QTableWidgetItem *cell = item(row, column);
      if (!cell) {
        cell = new QTableWidgetItem; // owned by the table
        const bool fixed = row == 0 || column == 0;
        if (fixed)
          cell->setFlags(Qt::ItemIsEnabled);
        setItem(row, column, cell);
      }
      if (cell->text() != text)
        cell->setText(text);
      if (editor_ && editorRow_ == row && column == 1 && editor_->text() != text)
        editor_->setText(text);
    }
  };
  // The rows that stay show the model's texts before the count changes: a
  // current cell on a row that goes moves to one that stays, where its
  // editor opens anew and writes the text it finds back to the model.
  const int kept = std::min(rows, rowCount());
  for (int row = 0; row < kept; ++row)
    showRow(row);
  // Moved by the view itself as its row goes, the current cell would have
  // its editor committed to a row already removed, which crashes.
  if (currentRow() >= rows)
    setCurrentCell(rows - 1, 1);
  if (rowCount() != rows)
    setRowCount(rows);
  for (int row = kept; row < rows; ++row)
    showRow(row);
  if (currentRow() < 1 && rows > 1)
    setCurrentCell(1, 1);
}

QLineEdit *VariableGridView::focusedEditor() const {
  return editor_ && editor_->hasFocus() ? editor_.data() : nullptr;
}

void VariableGridView::focusInEvent(QFocusEvent *event) {
  QTableWidget::focusInEvent(event);
  openEditor();
}

void VariableGridView::currentChanged(const QModelIndex &current,
                                      const QModelIndex &previous) {
  QTableWidget::currentChanged(current, previous);
  if (hasFocus())
    openEditor();
}

void VariableGridView::editValueCell(int row) {
  if (row < 1 || row >= rowCount())
    return;
  setCurrentCell(row, 1);
  setFocus(Qt::OtherFocusReason);
  openEditor();
  if (editor_) {
    editor_->setFocus(Qt::OtherFocusReason);
    editor_->selectAll();
  }
}

void VariableGridView::closeEditor(QWidget *editor,
                                   QAbstractItemDelegate::EndEditHint hint) {
  // Tab and Backtab in the editor: the edit is committed, and the focus
  // goes on to the window's next stop, not to the next cell (which, in the
  // last row, would be a header cell and a stop of its own).
  if (hint == QAbstractItemDelegate::EditNextItem ||
      hint == QAbstractItemDelegate::EditPreviousItem) {
    QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
    return;
  }
  QTableWidget::closeEditor(editor, hint);
  // Enter or Escape ends an edit, but the grid always shows its editor: a
  // new one opens on the same cell once the old one is gone.
  if (hasFocus())
    QMetaObject::invokeMethod(this, &VariableGridView::openEditor, Qt::QueuedConnection);
}

bool VariableGridView::edit(const QModelIndex &index, EditTrigger trigger,
                            QEvent *event) {
  const bool editing = QTableWidget::edit(index, trigger, event);
  // The grid's keys come before the delegate's, which would end the edit
  // on Enter after the grid has moved on.
  if (editing && editor_)
    editor_->installEventFilter(this);
  return editing;
}

void VariableGridView::openEditor() {
  const QModelIndex index = currentIndex();
  if (index.isValid() && index.row() >= 1 && index.column() == 1 &&
      state() != QAbstractItemView::EditingState)
    edit(index);
}

bool VariableGridView::eventFilter(QObject *watched, QEvent *event) {
  // The type first: an editor being destroyed is no longer a QLineEdit.
  if (event->type() == QEvent::KeyPress && watched == editor_) {
    const auto &key = *static_cast<QKeyEvent *>(event);
    // Enter goes on to the next row's value, as in a spreadsheet (the edit
    // is in the model already); in the last row the editor ends its edit
    // and opens again on the same cell.
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (enter && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        editorRow_ >= 1 && editorRow_ + 1 < rowCount()) {
      setCurrentCell(editorRow_ + 1, 1);
      return true;
    }
    if ((key.matches(QKeySequence::Paste) && pasteLines()) ||
        (key.matches(QKeySequence::Copy) && copyRows()))
      return true;
  }
  return QTableWidget::eventFilter(watched, event);
}

bool VariableGridView::pasteLines() {
  // Text without a line break is the cell editor's to paste at its caret.
  const QString text = QGuiApplication::clipboard()->text();
  if (!text.contains(QLatin1Char('\n')) || editorRow_ < 1)
    return false;
  const int row = editorRow_;
  runAction([this, row, &text] { model_.pasteValues(row, text.toStdString()); });
  refresh();
  emit valueEdited();
  return true;
}

bool VariableGridView::copyRows() const {
  int first = rowCount(), last = -1;
  for (const QTableWidgetSelectionRange &range : selectedRanges()) {
    first = std::min(first, range.topRow());
    last = std::max(last, range.bottomRow());
  }
  // Within one cell the editor copies the text selected in it.
  if (last <= first || first < 1)
    return false;
  QGuiApplication::clipboard()->setText(
      QString::fromStdString(model_.rowsAsText(first, last)));
  return true;
}

void VariableGridView::editorCreated(QLineEdit *editor, int row) {
  editor_ = editor;
  editorRow_ = row;
  connect(editor, &QLineEdit::textChanged, this, [this, editor, row] {
    if (row < model_.RowCount()) {
      model_.SetCell(1, row, editor->text().toStdString());
      if (QTableWidgetItem *cell = item(row, 1)) {
        const QSignalBlocker blocker(this);
        cell->setText(editor->text());
      }
      emit valueEdited();
    }
  });
  emit editorOpened(editor);
}

} // namespace quorvex
