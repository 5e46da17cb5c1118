// The fixture of the command tests: a temporary folder of their own, runs of
// the built ordinax-cli with the factory preferences, diagrams built from JSON.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_process.h"

namespace ordinax::cli::test {

class CommandTest : public ::testing::Test {
protected:
    RunResult run(std::vector<std::string> args) {
        args.push_back("--factory");
        return runCli(args, folder_.path());
    }

    std::string file(const std::string& name) const { return folder_.file(name); }

    // Writes `json` and builds it into `orx`.
    void build(const std::string& json, const std::string& orx) {
        writeFile(file(orx + ".json"), json);
        const RunResult r = run({"build", orx + ".json", "-o", orx});
        ASSERT_EQ(r.status, 0) << r.err;
    }

    // A diagram of one curve titled "Mesures" with these points (a JSON array
    // text) and extra fields.
    void buildCurve(const std::string& points, const std::string& orx, const std::string& extra = {}) {
        build(R"({"curves": [{"title": "Mesures", )" + extra + R"("points": )" + points + "}]}", orx);
    }

    TempFolder folder_;
};

}  // namespace ordinax::cli::test
