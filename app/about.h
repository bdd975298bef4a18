#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about window: product name, version and maker lines over a logo. Each
// showing builds a fresh one; a click anywhere on it, or "&Ok", closes it.

namespace quorvex {

class TAboutForm final : public QDialog {
  Q_OBJECT
public:
  explicit TAboutForm(QWidget *parent = nullptr);

  QWidget *Panel1 = nullptr;
  QLabel *Image1 = nullptr;
  QPushButton *OKButton = nullptr;

protected:
  void mousePressEvent(QMouseEvent *event) override;
};

} // namespace quorvex
