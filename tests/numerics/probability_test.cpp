// Student's quantile against printed tables, and the normal quantile walk.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "numerics/probability.h"

namespace ordinax::numerics {
namespace {

struct StudentCase {
    int dof;
    double alpha;  // two-sided
    double table;  // printed Student table, 3 decimals
};

// Values of the usual two-sided Student table (e.g. Fisher and Yates).
TEST(Probability, StudentQuantileMatchesTables) {
    const StudentCase cases[] = {
        {1, 0.05, 12.706}, {2, 0.05, 4.303},  {3, 0.05, 3.182},  {5, 0.05, 2.571},  {10, 0.05, 2.228},
        {20, 0.05, 2.086}, {30, 0.05, 2.042}, {60, 0.05, 2.000}, {120, 0.05, 1.980}, {3, 0.01, 5.841},
        {5, 0.01, 4.032},  {15, 0.01, 2.947}, {10, 0.10, 1.812}, {4, 0.20, 1.533},  {25, 0.20, 1.316},
        {40, 0.01, 2.704}, {8, 0.10, 1.860},  {1, 0.20, 3.078},  {2, 0.01, 9.925},
    };
    for (const StudentCase& c : cases) {
        const auto t = studentQuantile(c.alpha, c.dof);
        ASSERT_TRUE(t) << c.dof;
        // Hill's approximation and the normal expansion are good to a few 1e-4.
        EXPECT_NEAR(*t, c.table, 2e-3 * c.table) << "dof " << c.dof << " alpha " << c.alpha;
    }
}

TEST(Probability, StudentClosedForms) {
    EXPECT_DOUBLE_EQ(*studentQuantile(0.05, 1), 1.0 / std::tan(0.025 * std::numbers::pi));
    EXPECT_DOUBLE_EQ(*studentQuantile(0.05, 2), std::sqrt(2.0 / (0.05 * 1.95) - 2.0));
    EXPECT_EQ(*studentQuantile(0.05, 0), 0.0);
    EXPECT_FALSE(studentQuantile(0.0, 5));
    EXPECT_FALSE(studentQuantile(-0.1, 25));
    EXPECT_FALSE(studentQuantile(2.5, 3));
}

TEST(Probability, NormalQuantileWalk) {
    // Standard normal table: Φ(1.645) = 0.95, Φ(1.96) = 0.975, Φ(2.326) = 0.99.
    EXPECT_EQ(*normalQuantile(0.5), 0.0);
    EXPECT_NEAR(*normalQuantile(0.95), 1.645, 2e-3);
    EXPECT_NEAR(*normalQuantile(0.975), 1.960, 2e-3);
    EXPECT_NEAR(*normalQuantile(0.01), -2.326, 2e-3);
    EXPECT_NEAR(*normalQuantile(0.7), 0.524, 2e-3);
    EXPECT_NEAR(*normalQuantile(0.55), 0.126, 2e-3);  // below the first table row
    EXPECT_LE(*normalQuantile(0.9999999), 4.0 + 1e-3);  // the walk stops at 4
    EXPECT_FALSE(normalQuantile(0.0));
    EXPECT_FALSE(normalQuantile(1.0));
    EXPECT_FALSE(normalQuantile(-0.2));
    EXPECT_FALSE(normalQuantile(NAN));
}

TEST(Probability, NormalProbabilityInvertsTheQuantile) {
    EXPECT_EQ(*normalProbability(0.0), 0.5);
    EXPECT_NEAR(*normalProbability(1.96), 0.975, 1e-4);
    EXPECT_NEAR(*normalProbability(-1.0), 0.1587, 1e-4);
    for (double p : {0.02, 0.3, 0.6, 0.9, 0.995}) EXPECT_NEAR(*normalProbability(*normalQuantile(p)), p, 1e-3) << p;
}

}  // namespace
}  // namespace ordinax::numerics
