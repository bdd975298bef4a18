#pragma once

#include <QDialog>

// The about window: product name, version and maker lines over a logo. Each
// showing builds a fresh one; a click anywhere on it, or "&Ok", closes it.

namespace quorvex {

class TAboutForm final : public QDialog {
  Q_OBJECT
public:
  explicit TAboutForm(QWidget *parent = nullptr);

protected:
  void mousePressEvent(QMouseEvent *event) override;
};

} // namespace quorvex
