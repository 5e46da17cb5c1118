// The comparison of all regression models on a worker thread.
#include "shell/analysis/model_ranking.h"

#include "base/encoding.h"
#include "base/format.h"

namespace ordinax::shell {

RankingModel::RankingModel(QObject* parent) : QAbstractTableModel(parent) {}

int RankingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int RankingModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant RankingModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const numerics::RankEntry& entry = entries_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        switch (index.column()) {
            case 0:
                return QString::fromStdString(entry.code);
            case 1:
                return QString::fromStdString(base::windows1252ToUtf8(entry.name));
            case 2:
                return QString::fromStdString(base::formatPrintf("%.4f", entry.determination));
            default:
                break;
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() == 2)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

QVariant RankingModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case 0:
            return QStringLiteral("Code");
        case 1:
            return QStringLiteral("Modèle");
        case 2:
            return QStringLiteral("Coef. de détermination");
        default:
            return {};
    }
}

void RankingModel::setEntries(std::vector<numerics::RankEntry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

RankingRun::RankingRun(QObject* parent) : QObject(parent) {}

RankingRun::~RankingRun() {
    if (worker_.joinable()) {
        worker_.request_stop();
        worker_.join();
    }
}

void RankingRun::start(document::PointBuffer points, numerics::Catalogue catalogue, bool henryY) {
    if (worker_.joinable()) {
        worker_.request_stop();
        worker_.join();
    }
    const int generation = ++generation_;
    running_ = true;
    worker_ = std::jthread([this, generation, points = std::move(points), catalogue = std::move(catalogue),
                            henryY](std::stop_token stop) {
        // Results travel to this object's thread as queued calls; calls of
        // an earlier run, or left when this object is gone, are dropped.
        auto post = [this, generation](auto deliver) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, deliver = std::move(deliver)] {
                    if (generation == generation_) deliver();
                },
                Qt::QueuedConnection);
        };
        int tried = 0;
        int total = 0;
        numerics::compareModels(
            points.view(), catalogue, henryY,
            [&](const std::vector<numerics::RankEntry>& entries) {
                post([this, entries] { emit listChanged(entries); });
            },
            stop,
            [&](int triedSoFar, int totalCount) {
                tried = triedSoFar;
                total = totalCount;
                post([this, triedSoFar, totalCount] { emit stepped(triedSoFar, totalCount); });
            });
        const bool stopped = stop.stop_requested() && tried < total;
        post([this, stopped, tried, total] {
            running_ = false;
            emit finished(stopped, tried, total);
        });
    });
}

void RankingRun::stop() {
    if (worker_.joinable()) worker_.request_stop();
}

}  // namespace ordinax::shell
