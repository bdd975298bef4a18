#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

// Follows the mouse over one window and reports the long part of the hint of
// the control under it. A control's hint is "short|long", kept in its "hint"
// property; a control without one uses its nearest enclosing control's, and
// the hint is empty if none has one. Pop-up tips are suppressed everywhere
// except on the one control allowed to show them.

namespace quorvex {

class HintTracker final : public QObject {
  Q_OBJECT
public:
  HintTracker(QWidget &window, QObject *parent = nullptr);

  // The one control whose pop-up tip shows; none when null.
  void setTipWidget(QWidget *widget) { tipWidget_ = widget; }

  static void setHint(QWidget *widget, const QString &shortHint, const QString &longHint);
  // The long part of a "short|long" hint, or the whole text without "|".
  static QString longPart(const QString &hint);
  // The long hint of widget or its nearest enclosing control with a hint.
  static QString hintAt(const QWidget *widget);

signals:
  void hintChanged(const QString &longHint);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  bool belongsToWindow(const QWidget *widget) const;

  QWidget &window_;
  QPointer<QWidget> tipWidget_;
};

} // namespace quorvex
