#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>
#include <QWidget>

namespace quorvex {
namespace {

const QString announcerName = QStringLiteral("announcer");

// No pixel of its own and never the focus: it exists for the accessibility
// tree alone.
class Announcer final : public QWidget {
public:
  explicit Announcer(QWidget *window) : QWidget(window) {
    setObjectName(announcerName);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
  }
  QString text;
};

class AnnouncerAccessible final : public QAccessibleWidget {
public:
  explicit AnnouncerAccessible(Announcer *announcer)
      : QAccessibleWidget(announcer, QAccessible::Notification) {}
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name)
      return static_cast<const Announcer *>(widget())->text;
    return QAccessibleWidget::text(kind);
  }
};

// Announcer has no meta-object of its own, so Qt asks for it under
// QWidget's name.
QAccessibleInterface *announcerFactory(const QString &className, QObject *object) {
  if (className != QLatin1String("QWidget"))
    return nullptr;
  if (auto *announcer = dynamic_cast<Announcer *>(object))
    return new AnnouncerAccessible(announcer); // Qt's cache owns it
  return nullptr;
}

} // namespace

void announce(QWidget *source, const QString &text) {
  if (!source || text.isEmpty())
    return;
  static const bool installed = [] {
    QAccessible::installFactory(&announcerFactory);
    return true;
  }();
  (void)installed;
  QWidget *window = source->window();
  auto *announcer = dynamic_cast<Announcer *>(
      window->findChild<QWidget *>(announcerName, Qt::FindDirectChildrenOnly));
  if (announcer)
    announcer->hide();
  else
    announcer = new Announcer(window); // owned by the window, hidden until shown
  announcer->text = text;
  // The name first: clients cache it and refresh it on this event, so the
  // showing that follows is read with the new text. Hidden and shown again,
  // the notification really changes state each time, as clients expect.
  if (QAccessible::isActive()) {
    QAccessibleEvent named(announcer, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
  }
  announcer->show();
}

} // namespace quorvex
