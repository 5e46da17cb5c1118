// The comparison of all regression models in the smoothing dialog: it runs on
// a worker thread over a snapshot of the curve's points, so the window stays
// responsive; the ranked list grows in a table model as models finish, and a
// stop request ends it after the model under way.
#pragma once

#include <QAbstractTableModel>
#include <QObject>
#include <memory>
#include <thread>
#include <vector>

#include "document/point_buffer.h"
#include "numerics/catalogue.h"
#include "numerics/model_comparison.h"

namespace ordinax::shell {

// The ranked models: code, name, coefficient of determination.
class RankingModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RankingModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setEntries(std::vector<numerics::RankEntry> entries);
    const std::vector<numerics::RankEntry>& entries() const { return entries_; }

private:
    std::vector<numerics::RankEntry> entries_;
};

// One comparison at a time on a worker thread; its results come back on the
// thread of this object.
class RankingRun : public QObject {
    Q_OBJECT

public:
    explicit RankingRun(QObject* parent = nullptr);
    // Stops a comparison under way and waits for its thread.
    ~RankingRun() override;

    // Starts comparing every model on `points` (a shared copy: the curve may
    // change meanwhile); a comparison under way is stopped first.
    void start(document::PointBuffer points, numerics::Catalogue catalogue, bool henryY);
    // Asks the comparison to stop after the model under way.
    void stop();
    bool running() const { return running_; }

signals:
    // The ranked list as it stands.
    void listChanged(const std::vector<numerics::RankEntry>& entries);
    // Models tried so far of how many take part.
    void stepped(int tried, int total);
    // The comparison ended, stopped or complete.
    void finished(bool stopped, int tried, int total);

private:
    std::jthread worker_;
    bool running_ = false;
    int generation_ = 0;  // results of an earlier run are dropped
};

}  // namespace ordinax::shell
