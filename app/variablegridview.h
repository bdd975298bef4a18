#pragma once

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <functional>

class QLineEdit;

// The value grid SG_Variables: a view of the session's TValueGrid. Row 0
// (headers) and column 0 (names) are fixed; the value cells of column 1 are
// edited in place, with the cell editor shown whenever the grid has the
// focus, and every keystroke is written through to the model at once. The
// grid is one stop of the window's Tab order: Tab in the editor leaves the
// grid rather than moving to the next cell; Enter moves to the next row's
// value. Pasting several lines fills the value cells from the editor's row
// down, and copying a selection of several rows copies their names and
// values as tab-separated lines.

namespace quorvex {

class TValueGrid;

class VariableGridView final : public QTableWidget {
  Q_OBJECT
public:
  explicit VariableGridView(TValueGrid &model, QWidget *parent = nullptr);
  using QTableWidget::edit;

  // Shows the model's rows and cells; an open cell editor follows its cell.
  void refresh();
  // The cell editor when it holds the keyboard focus, else null.
  QLineEdit *focusedEditor() const;
  // Puts the focus in the value cell of row, editor open, its text selected.
  void editValueCell(int row);

signals:
  // A value cell's text changed in its editor (already written to the model).
  void valueEdited();
  // A cell editor was opened; the window watches its keys.
  void editorOpened(QLineEdit *editor);

protected:
  void focusInEvent(QFocusEvent *event) override;
  void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
  void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;

private:
  // The clipboard keys in the cell editor; each returns false when the
  // editor is to handle the key itself.
  bool pasteLines();
  bool copyRows() const;
  friend class ValueCellDelegate;
  void openEditor();
  void editorCreated(QLineEdit *editor, int row);

  TValueGrid &model_;
  QPointer<QLineEdit> editor_;
  int editorRow_ = -1;
};

} // namespace quorvex
