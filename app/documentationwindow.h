#pragma once

#include <QWidget>

class QFrame;
class QTextBrowser;

// The documentation window: the user guide as read-only rich text. One
// instance lives for the whole run; showing it again brings it forward.
// A click on its frame around the text closes it.

namespace quorvex {

class THelperForm final : public QWidget {
  Q_OBJECT
public:
  explicit THelperForm(QWidget *parent = nullptr);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;

private:
  QFrame *Panel1 = nullptr;
  QTextBrowser *RichEdit1 = nullptr;
};

} // namespace quorvex
