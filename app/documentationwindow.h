#pragma once

#include <QTextDocument>
#include <QWidget>

class QFrame;
class QLineEdit;
class QTextBrowser;

// The documentation window: the user guide as read-only rich text. One
// instance lives for the whole run; showing it again brings it forward.
// A click on its frame around the text closes it, and so does Escape.
//
// Ctrl+F shows a find field over the text's top right corner (it takes no
// room of the text's own): typing finds the text as it is typed, Enter and
// F3 the next match, Shift+Enter and Shift+F3 the one before, each going
// round at the end. Escape closes the field first, then the window.

namespace quorvex {

class THelperForm final : public QWidget {
  Q_OBJECT
public:
  explicit THelperForm(QWidget *parent = nullptr);

  // The find field's commands.
  void showFind();
  void findNext(QTextDocument::FindFlags direction = {});
  void escape();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;

private:
  // Finds the field's text from the cursor on, going round at the end;
  // from the selection's start when typing refines the text found.
  void find(QTextDocument::FindFlags direction, bool refine);

  QFrame *Panel1 = nullptr;
  QTextBrowser *RichEdit1 = nullptr;
  QLineEdit *findEdit_ = nullptr;
};

} // namespace quorvex
