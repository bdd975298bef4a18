#include "completionpopup.h"

#include "cataloguetext.h"

#include "mathlib/catalogue.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvex {

namespace {

constexpr int columnCount = 3;
// Lines shown at once; the list scrolls through the others.
constexpr int visibleLines = 8;
// Column widths follow this many lines: measuring thousands of variables'
// texts would cost more than a keystroke may.
constexpr int measuredLines = 64;

} // namespace

// The lines, read only where the view draws them, so that a list of
// thousands of names costs no more than the lines on screen.
class CompletionPopup::Model final : public QAbstractTableModel {
public:
  explicit Model(CompletionPopup &popup) : QAbstractTableModel(&popup), popup_(popup) {}

  void reset() {
    beginResetModel();
    endResetModel();
  }
  int rowCount(const QModelIndex &parent) const override {
    return parent.isValid() ? 0 : popup_.count();
  }
  int columnCount(const QModelIndex &parent) const override {
    return parent.isValid() ? 0 : quorvex::columnCount;
  }
  QVariant data(const QModelIndex &index, int role) const override {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
      return {};
    return text(popup_.name(index.row()), index.column());
  }

  QString text(const FormulaNames::Name &name, int column) const {
    switch (name.kind) {
    case FormulaNames::Kind::Variable:
      if (column == 0)
        return QString::fromUtf8(name.name.data(), qsizetype(name.name.size()));
      return column == 1 ? popup_.variableValue_(name.index)
                         : CompletionPopup::tr("variable");
    case FormulaNames::Kind::Function:
      if (column == 0)
        return functionSignature(name.function());
      return column == 1 ? QString() : catalogueText(name.function().description);
    case FormulaNames::Kind::Constant:
      if (column == 0)
        return QString::fromUtf8(name.name.data(), qsizetype(name.name.size()));
      return column == 1 ? constantValueText(name.constant())
                         : catalogueText(name.constant().meaning);
    }
    return {};
  }

private:
  CompletionPopup &popup_;
};

CompletionPopup::CompletionPopup(QWidget *parent) : PassivePopup(parent) {
  setObjectName(QStringLiteral("completionPopup"));
  setAccessibleName(tr("Completions"));
  model_ = new Model(*this);
  view_ = new QTreeView(this);
  view_->setObjectName(QStringLiteral("completionList"));
  view_->setAccessibleName(tr("Names that complete the one typed"));
  view_->setModel(model_);
  view_->setFocusPolicy(Qt::NoFocus);
  view_->setRootIsDecorated(false);
  view_->setUniformRowHeights(true);
  view_->setHeaderHidden(true);
  view_->setFrameShape(QFrame::NoFrame);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view_->header()->setStretchLastSection(true);
  connect(view_, &QAbstractItemView::clicked, this,
          [this](const QModelIndex &index) { emit lineClicked(index.row()); });
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(1, 1, 1, 1);
  layout->addWidget(view_);
}

CompletionPopup::~CompletionPopup() = default;

void CompletionPopup::setNames(std::vector<FormulaNames::Name> names,
                               VariableValue variableValue) {
  names_ = std::move(names);
  variableValue_ = std::move(variableValue);
  chosen_ = -1;
  model_->reset();
  fitToLines();
}

void CompletionPopup::choose(int row) {
  chosen_ = row >= 0 && row < count() ? row : -1;
  if (chosen_ < 0) {
    view_->clearSelection();
    view_->scrollToTop();
    return;
  }
  const QModelIndex index = model_->index(chosen_, 0);
  view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
  view_->scrollTo(index);
}

QString CompletionPopup::lineText(int row) const {
  QStringList columns;
  for (int column = 0; column < columnCount; ++column)
    if (const QString text = model_->text(name(row), column); !text.isEmpty())
      columns << text;
  return columns.join(QLatin1Char(' '));
}

void CompletionPopup::fitToLines() {
  const QFontMetrics metrics = view_->fontMetrics();
  const int gap = metrics.horizontalAdvance(QLatin1Char('M'));
  int widths[columnCount] = {};
  for (int row = 0; row < std::min(count(), measuredLines); ++row)
    for (int column = 0; column < columnCount; ++column)
      widths[column] =
          std::max(widths[column],
                   metrics.horizontalAdvance(model_->text(name(row), column)) + gap);
  view_->header()->resizeSection(0, widths[0]);
  view_->header()->resizeSection(1, widths[1]);
  // The descriptions may take what is left of a width a screen can show.
  const int width = std::min(widths[0] + widths[1] + widths[2], 40 * gap);
  const int lines = std::clamp(count(), 1, visibleLines);
  const int line =
      view_->sizeHintForRow(0) > 0 ? view_->sizeHintForRow(0) : metrics.height() + 4;
  view_->setFixedSize(width, lines * line + 2);
}

} // namespace quorvex
