#pragma once

#include "session/plotsampling.h"

#include <QAbstractTableModel>
#include <QString>

// The plot window's Table tab: one row per point, the variable's value, F
// as the result box writes it and, where F is undefined, the error report's
// text. A view of samples that the window owns and keeps while it is shown.

namespace quorvex {

class PlotTableModel final : public QAbstractTableModel {
  Q_OBJECT
public:
  using QAbstractTableModel::QAbstractTableModel;

  // samples must outlive the model or the next setSamples.
  void setSamples(const PlotSamples *samples, const QString &variableName);

  int rowCount(const QModelIndex &parent = {}) const override;
  int columnCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
  const PlotSamples *samples_ = nullptr;
  QString variableName_;
};

} // namespace quorvex
