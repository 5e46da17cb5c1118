// "Test multi-régression" in the smoothing dialog: the ranked list of a curve
// sampled from a known second-degree polynomial, and stopping the comparison
// halfway with the button or with Escape while the window stays responsive.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <vector>

#include "numerics/fit_kind.h"
#include "shell/analysis/model_ranking.h"
#include "shell/analysis/smoothing_dialog.h"
#include "shell/dialog_test_support.h"

namespace ordinax::shell {
namespace {

using test::DialogFrameTest;

// y = 1 + 2x + 3x² on `count` points of [-1, 1], plus a wobble of amplitude
// 0.05 orthogonal to every polynomial up to degree 6: each polynomial model
// keeps the same residuals, so the adjusted coefficient of determination,
// which charges each coefficient, ranks POL2 above POL3 .. POL6; the other
// models cannot follow a parabola through negative x as closely.
std::vector<document::Point> parabola(int count) {
    std::vector<double> x(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) x[static_cast<std::size_t>(i)] = -1.0 + 2.0 * i / (count - 1);
    // x^7 made orthogonal to 1, x, ..., x^6 (Gram-Schmidt in long double).
    std::vector<std::vector<long double>> basis;
    std::vector<long double> wobble;
    for (int degree = 0; degree <= 7; ++degree) {
        std::vector<long double> v(x.size());
        for (std::size_t i = 0; i < x.size(); ++i) v[i] = std::pow(static_cast<long double>(x[i]), degree);
        for (const auto& b : basis) {
            long double dot = 0, norm = 0;
            for (std::size_t i = 0; i < x.size(); ++i) {
                dot += v[i] * b[i];
                norm += b[i] * b[i];
            }
            for (std::size_t i = 0; i < x.size(); ++i) v[i] -= dot / norm * b[i];
        }
        if (degree < 7)
            basis.push_back(v);
        else
            wobble = v;
    }
    long double peak = 0;
    for (long double w : wobble) peak = std::max(peak, std::fabs(w));
    std::vector<document::Point> points;
    for (std::size_t i = 0; i < x.size(); ++i)
        points.push_back({x[i], 1 + 2 * x[i] + 3 * x[i] * x[i] + static_cast<double>(0.05L * wobble[i] / peak)});
    return points;
}

// Many points of a wobbling parabola: each model takes a while on them.
std::vector<document::Point> manyPoints(int count) {
    std::vector<document::Point> points;
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double x = -1.0 + 2.0 * i / (count - 1);
        points.push_back({x, 1 + 2 * x + 3 * x * x + 0.05 * std::sin(37.0 * i)});
    }
    return points;
}

class RankingTest : public DialogFrameTest {
protected:
    SmoothingDialog& open(std::vector<document::Point> points) {
        CMainFrame& f = demoFrame();
        diagram().curves[0].points = document::PointBuffer(points);
        dialog = std::make_unique<SmoothingDialog>(f, 0);
        run = dialog->findChild<RankingRun*>();
        return *dialog;
    }
    std::unique_ptr<SmoothingDialog> dialog;
    RankingRun* run = nullptr;
};

TEST_F(RankingTest, ACurveSampledFromAParabolaRanksPol2First) {
    SmoothingDialog& d = open(parabola(41));
    QSignalSpy finished(run, &RankingRun::finished);
    QSignalSpy grew(run, &RankingRun::listChanged);
    d.findChild<QPushButton*>(QStringLiteral("rankButton"))->click();
    EXPECT_TRUE(d.rankingRunning());
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_FALSE(finished.at(0).at(0).toBool()) << "not stopped";
    EXPECT_GT(grew.count(), 1) << "the list grew model by model";
    const auto& entries = d.rankingModel().entries();
    ASSERT_GE(entries.size(), 5u);
    EXPECT_EQ(entries[0].code, "POL2");
    const QModelIndex first = d.rankingModel().index(0, 0);
    EXPECT_EQ(d.rankingModel().data(first, Qt::DisplayRole).toString(), QStringLiteral("POL2"));
    for (std::size_t i = 1; i < entries.size(); ++i) EXPECT_GE(entries[i - 1].determination, entries[i].determination);
    EXPECT_TRUE(d.findChild<QLabel*>(QStringLiteral("rankingStatus"))->text().startsWith(
        QStringLiteral("Test multi-régression terminé")));

    // Choosing a ranked model fits it.
    d.findChild<QAbstractItemView*>(QStringLiteral("rankingView"))->setCurrentIndex(first);
    emit d.findChild<QAbstractItemView*>(QStringLiteral("rankingView"))->activated(first);
    EXPECT_EQ(d.choice().kind, numerics::KindPOL2);
    EXPECT_FALSE(d.reportPanel().report().empty());
}

TEST_F(RankingTest, TheButtonAndEscapeStopItHalfway) {
    // Enough points for each model to take a while.
    SmoothingDialog& d = open(manyPoints(400000));
    for (int way = 0; way < 2; ++way) {
        SCOPED_TRACE(way == 0 ? "button" : "Escape");
        QSignalSpy finished(run, &RankingRun::finished);
        QSignalSpy stepped(run, &RankingRun::stepped);
        QPushButton* button = d.findChild<QPushButton*>(QStringLiteral("rankButton"));
        button->click();
        EXPECT_TRUE(button->text().contains(QStringLiteral("Arrêter")));
        ASSERT_TRUE(stepped.wait(20000)) << "a first model finishes";
        if (way == 0)
            button->click();
        else
            QTest::keyClick(&d, Qt::Key_Escape);
        ASSERT_TRUE(finished.wait(20000));
        const QList<QVariant> end = finished.takeFirst();
        EXPECT_TRUE(end.at(0).toBool()) << "stopped";
        EXPECT_LT(end.at(1).toInt(), end.at(2).toInt()) << "fewer models tried than take part";
        EXPECT_FALSE(d.rankingRunning());
        EXPECT_TRUE(d.findChild<QLabel*>(QStringLiteral("rankingStatus"))->text().startsWith(
            QStringLiteral("Test multi-régression interrompu")));
        EXPECT_EQ(d.result(), 0) << "Escape stopped the test, not the dialog";
    }
}

TEST_F(RankingTest, ClosingTheDialogWhileItRunsStopsTheThread) {
    SmoothingDialog& d = open(manyPoints(400000));
    QSignalSpy stepped(run, &RankingRun::stepped);
    d.startRanking();
    ASSERT_TRUE(stepped.wait(20000));
    d.reject();
    dialog.reset();  // joins the worker: the calls it left are dropped with the dialog
    QCoreApplication::processEvents();
    SUCCEED();
}

}  // namespace
}  // namespace ordinax::shell
