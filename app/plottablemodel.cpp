#include "plottablemodel.h"

#include "errorreport.h"

#include "engine/decimalseparator.h"
#include "engine/messagetext.h"
#include "session/resultformat.h"

namespace quorvex {

namespace {
enum Column { XColumn, FColumn, ErrorColumn, ColumnCount };
} // namespace

void PlotTableModel::setSamples(const PlotSamples *samples, const QString &variableName) {
  beginResetModel();
  samples_ = samples;
  variableName_ = variableName;
  endResetModel();
}

int PlotTableModel::rowCount(const QModelIndex &parent) const {
  if (parent.isValid() || samples_ == nullptr)
    return 0;
  return static_cast<int>(samples_->points.size());
}

int PlotTableModel::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant PlotTableModel::data(const QModelIndex &index, int role) const {
  if (samples_ == nullptr || !index.isValid())
    return {};
  const PlotPoint &point = samples_->points[static_cast<std::size_t>(index.row())];
  if (role == Qt::TextAlignmentRole)
    return index.column() == ErrorColumn ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                         : int(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole)
    return {};
  switch (index.column()) {
  case XColumn:
    return QString::fromStdString(formatResult(point.x, decimalSeparator()));
  case FColumn:
    return point.defined()
               ? QString::fromStdString(formatResult(point.y, decimalSeparator()))
               : QString();
  case ErrorColumn: {
    if (point.defined())
      return QString();
    const PlotError &error = samples_->errors[point.error];
    return QString::fromStdString(
        withFullStop(ErrorReport::message(error.message, error.parts).toStdString()));
  }
  }
  return {};
}

QVariant PlotTableModel::headerData(int section, Qt::Orientation orientation,
                                    int role) const {
  if (role != Qt::DisplayRole)
    return {};
  if (orientation == Qt::Vertical)
    return section + 1;
  switch (section) {
  case XColumn:
    return variableName_;
  case FColumn:
    return QStringLiteral("F");
  case ErrorColumn:
    //: Heading of the plot table's column of error messages
    return tr("error");
  }
  return {};
}

} // namespace quorvex
