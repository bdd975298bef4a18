#include "resultformatmenu.h"

#include <QActionGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

#include <optional>

namespace quorvex {
namespace {

std::size_t indexOf(Notation notation) {
  return static_cast<std::size_t>(notation);
}

// The count for notation, from a dialog that starts at value; none when
// the user cancels.
std::optional<int> askDigits(QWidget *parent, const QString &title, Notation notation,
                             int value) {
  const DigitRange range = *digitRange(notation);
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("digitsDialog"));
  dialog.setWindowTitle(title);
  auto *count = new QSpinBox(&dialog);
  count->setObjectName(QStringLiteral("digitsBox"));
  count->setRange(range.lowest, range.highest);
  count->setValue(value);
  const QString label = notation == Notation::Fixed
                            ? ResultFormatMenu::tr("&Decimals (%1 to %2):")
                            : ResultFormatMenu::tr("&Significant digits (%1 to %2):");
  auto *caption = new QLabel(label.arg(range.lowest).arg(range.highest), &dialog);
  caption->setBuddy(count);
  count->setAccessibleName(caption->text().remove(QLatin1Char('&')));
  auto *buttons =
      new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto *layout = new QFormLayout(&dialog);
  layout->addRow(caption, count);
  layout->addRow(buttons);
  count->selectAll();
  if (dialog.exec() != QDialog::Accepted)
    return std::nullopt;
  return count->value();
}

} // namespace

ResultFormatMenu::ResultFormatMenu(QWidget *parent)
    : QMenu(tr("&Result format"), parent) {
  setObjectName(QStringLiteral("resultFormatMenu"));
  menuAction()->setProperty("hint", tr("Choose how the result box writes the result."));
  auto *group = new QActionGroup(this);
  const struct {
    const char *name;
    Notation notation;
    QString hint;
  } items[] = {
      {"generalFormat", Notation::General,
       tr("Significant digits, in fixed notation while the number fits them.")},
      {"scientificFormat", Notation::Scientific,
       tr("Significant digits, one before the decimal separator, and an exponent.")},
      {"engineeringFormat", Notation::Engineering,
       tr("Significant digits and an exponent that is a multiple of three.")},
      {"fixedFormat", Notation::Fixed,
       tr("A fixed number of decimals; from 1E21 on, scientific notation.")},
      {"shortestFormat", Notation::Shortest,
       tr("The fewest digits that read back as the same number.")},
      {"exactFormat", Notation::Exact, tr("Every digit of the number's binary value.")},
  };
  for (const auto &item : items) {
    QAction *action = addAction(QString());
    action->setObjectName(QLatin1String(item.name));
    action->setProperty("hint", item.hint);
    action->setCheckable(true);
    group->addAction(action);
    items_[indexOf(item.notation)] = action;
    connect(action, &QAction::triggered, this,
            [this, notation = item.notation] { choose(notation); });
  }
  addSeparator();
  QAction *all = addAction(tr("&All formats..."));
  all->setObjectName(QStringLiteral("allFormatsAction"));
  all->setProperty("hint", tr("List the last result in every format."));
  connect(all, &QAction::triggered, this, &ResultFormatMenu::allFormatsRequested);
  showFormat(shown_);
}

void ResultFormatMenu::showFormat(const NumberFormat &format) {
  shown_ = format;
  if (digitRange(format.notation))
    digits_[indexOf(format.notation)] = format.digits;
  if (indexOf(format.notation) < notationCount)
    items_[indexOf(format.notation)]->setChecked(true);
  showNames();
}

// The notation's name, with its mnemonic.
QString ResultFormatMenu::titleOf(Notation notation) {
  switch (notation) {
  case Notation::General:
    return tr("&General");
  case Notation::Scientific:
    return tr("&Scientific");
  case Notation::Engineering:
    return tr("&Engineering");
  case Notation::Fixed:
    return tr("&Fixed");
  case Notation::Shortest:
    return tr("S&hortest");
  case Notation::Exact:
    return tr("E&xact");
  case Notation::Hexadecimal:
    return tr("He&xadecimal");
  }
  return {};
}

// The item's caption: the name, the count of a notation that takes one, and
// the dots of the dialog that asks for it.
QString ResultFormatMenu::captionOf(Notation notation) const {
  if (!digitRange(notation))
    return titleOf(notation);
  const int count = digits_[indexOf(notation)];
  QString counted;
  if (notation == Notation::Fixed)
    counted = count == 1 ? tr("1 decimal") : tr("%1 decimals").arg(count);
  else
    counted = count == 1 ? tr("1 digit") : tr("%1 digits").arg(count);
  return tr("%1 (%2)...").arg(titleOf(notation), counted);
}

// The caption without its mnemonic and the dots that promise a dialog.
QString ResultFormatMenu::nameOf(Notation notation) const {
  QString name = captionOf(notation).remove(QLatin1Char('&'));
  if (name.endsWith(QStringLiteral("...")))
    name.chop(3);
  return name;
}

void ResultFormatMenu::showNames() {
  for (std::size_t i = 0; i < notationCount; ++i)
    items_[i]->setText(captionOf(static_cast<Notation>(i)));
}

std::vector<std::pair<QString, NumberFormat>> ResultFormatMenu::listedFormats() const {
  std::vector<std::pair<QString, NumberFormat>> formats;
  for (std::size_t i = 0; i < notationCount; ++i) {
    const auto notation = static_cast<Notation>(i);
    formats.emplace_back(nameOf(notation), NumberFormat{notation, digits_[i]});
  }
  formats.emplace_back(nameOf(Notation::Hexadecimal),
                       NumberFormat{Notation::Hexadecimal, 0});
  return formats;
}

void ResultFormatMenu::choose(Notation notation) {
  int digits = digits_[indexOf(notation)];
  if (digitRange(notation)) {
    const std::optional<int> asked = askDigits(
        parentWidget(), titleOf(notation).remove(QLatin1Char('&')), notation, digits);
    if (!asked) {
      showFormat(shown_); // the check mark back where it was
      return;
    }
    digits = *asked;
  }
  emit formatChosen({notation, digits});
}

} // namespace quorvex
