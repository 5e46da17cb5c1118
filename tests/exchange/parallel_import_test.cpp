// The text import read on several threads against the same import read line
// by line: byte-identical diagrams and the same messages, warnings and status
// on a table of files, batches cut at every line count that puts a boundary
// next to what the file holds (bad values, dates, empty lines, CR LF, lines
// across the reader's 1 MiB chunks, limits reached or not).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "document/diagram_defaults.h"
#include "document/orx_file.h"
#include "exchange/text_import.h"
#include "exchange_test_support.h"

namespace ordinax::exchange {
// Named: the tests of this folder share a unity build.
namespace parallel_import {

using document::Diagram;
using testing::TempFolder;

struct Outcome {
    bool completed = false;
    std::string error;
    std::vector<std::string> warnings;
    int curves = 0;
    long long points = 0;
    std::string status;
    std::vector<std::uint8_t> diagram;  // the file the diagram saves to
};

Outcome importWith(const std::string& path, const ConversionProcedure& p, ImportMode mode, const ImportLimits& limits) {
    Diagram d;
    document::resetDiagram(d, document::factoryDiagramDefaults());
    if (mode == ImportMode::Curve) d.curves.resize(3);
    const ImportResult r = extractData(path, p, mode, mode == ImportMode::Curve ? 1 : -1, d, {}, limits);
    Outcome o;
    o.completed = r.completed;
    o.error = r.error.formatted();
    for (const base::Message& w : r.warnings) o.warnings.push_back(w.formatted());
    o.curves = r.curves;
    o.points = r.points;
    o.status = r.status;
    o.diagram = document::writeDiagramBytes(d, "01/01/2026 (00:00)");
    return o;
}

ConversionProcedure procedure(int coordinates, const std::string& separator = ";") {
    ConversionProcedure p;
    p.coordinateCount = coordinates;
    p.separator = separator;
    return p;
}

std::string repeat(const std::string& line, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += line;
    return out;
}

// Lines of distinct values with decimal commas.
std::string commaLines(int count, const char* end = "\n") {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += std::to_string(i) + "," + std::to_string(i % 7) + ";-" + std::to_string(i * 3) + ",25;" +
               std::to_string(1000 - i) + "," + std::to_string(i % 10) + end;
    return out;
}

struct Case {
    const char* what;
    std::string text;
    ConversionProcedure procedure;
    ImportMode mode = ImportMode::Diagram;
    ImportLimits limits;  // parallelFromBytes and batchLines set by the test
};

Case makeCase(const char* what, std::string text, ConversionProcedure p, ImportMode mode = ImportMode::Diagram) {
    Case c;
    c.what = what;
    c.text = std::move(text);
    c.procedure = std::move(p);
    c.mode = mode;
    return c;
}

std::vector<Case> cases() {
    std::vector<Case> out;
    out.push_back(makeCase("decimal commas", commaLines(40), procedure(3)));
    out.push_back(makeCase("CR LF", commaLines(40, "\r\n"), procedure(3)));
    out.push_back(makeCase("LF then CR LF then no final line feed", commaLines(9) + commaLines(9, "\r\n") + "7;8;9", procedure(3)));
    {
        Case c = makeCase("dates in x and y", "", procedure(3, "ESPACE"));
        for (int i = 0; i < 30; ++i)
            c.text += std::to_string(1 + i % 28) + "/0" + std::to_string(1 + i % 9) + "/2025 " + std::to_string(i) +
                      " " + std::to_string(10 + i % 5) + "/03/25\n";
        out.push_back(c);
    }
    // Bad and empty values on lines 3 and 4, 6 and 7 ...: at a batch boundary for every size tried.
    {
        std::string text;
        for (int i = 0; i < 24; ++i) {
            if (i % 3 == 2) text += "1;abc;3\n";
            else if (i % 3 == 0 && i > 0) text += "2;;\n";
            else text += std::to_string(i) + ";" + std::to_string(i + 1) + ";5\n";
        }
        out.push_back(makeCase("invalid before empty across boundaries", text, procedure(3)));
        out.push_back(makeCase("empty before invalid", "1;2;3\n4;;6\n" + text, procedure(3)));
    }
    out.push_back(makeCase("lines of empty values inside and at the end",
                   "1;2\n;\n\n3;4\n;;\n5;6\n;\n\n\n", procedure(2)));
    {
        Case c = makeCase("announced record count stops the reading", "", procedure(2));
        c.procedure.headerLineCount = 2;
        c.procedure.recordCountLine = 2;
        c.procedure.titleLine = 1;
        // A line past the limit after the announced records is never reached.
        c.text = "essai\n5 enregistrements\n" + repeat("1;2\n", 7) + std::string(300, '9') + "\n";
        c.limits.maxLineLength = 200;
        out.push_back(c);
    }
    {
        Case c = makeCase("a line past the limit is reached", repeat("1;2\n", 10) + std::string(300, '9') + "\n4;5\n", procedure(2));
        c.limits.maxLineLength = 200;
        out.push_back(c);
    }
    {
        Case c = makeCase("too many values", repeat("1;2\n", 30), procedure(2));
        c.limits.maxValues = 17;
        out.push_back(c);
    }
    {
        Case c = makeCase("sampling and x from the record number", commaLines(50), procedure(3));
        c.procedure.sampling = 3;
        c.procedure.xOrder = 0;
        out.push_back(c);
    }
    {
        Case c = makeCase("one curve, x and y chosen, short records", "1;2;3\n4;5\n6\n7;8;9;10\n", procedure(3), ImportMode::Curve);
        c.procedure.xOrder = 3;
        c.procedure.yOrder = 1;
        out.push_back(c);
    }
    {
        Case c = makeCase("hexadecimal values", "ff;10\n-1a;b\nzz;1\n", procedure(2));
        c.procedure.numericBase = 16;
        out.push_back(c);
    }
    return out;
}

void expectSame(const Outcome& sequential, const Outcome& parallel, const std::string& what) {
    EXPECT_EQ(parallel.completed, sequential.completed) << what;
    EXPECT_EQ(parallel.error, sequential.error) << what;
    EXPECT_EQ(parallel.warnings, sequential.warnings) << what;
    EXPECT_EQ(parallel.curves, sequential.curves) << what;
    EXPECT_EQ(parallel.points, sequential.points) << what;
    EXPECT_EQ(parallel.status, sequential.status) << what;
    // A failed import leaves the curves unspecified (the callers drop them): only its message counts.
    if (sequential.completed) {
        EXPECT_TRUE(parallel.diagram == sequential.diagram) << what;
    }
}

TEST(ParallelImport, SameDiagramsAndMessagesAsOneThread) {
    testing::ScopedTimeZone zone("Europe/Paris");
    TempFolder folder;
    for (const Case& c : cases()) {
        const std::string path = folder.write("data.txt", c.text);
        ImportLimits one = c.limits;
        one.parallelFromBytes = SIZE_MAX;
        const Outcome sequential = importWith(path, c.procedure, c.mode, one);
        for (std::size_t batch : {1u, 2u, 3u, 7u, 16384u}) {
            ImportLimits many = c.limits;
            many.parallelFromBytes = 0;
            many.batchLines = batch;
            expectSame(sequential, importWith(path, c.procedure, c.mode, many),
                       std::string(c.what) + ", batches of " + std::to_string(batch));
        }
    }
}

TEST(ParallelImport, SanityOfTheReference) {
    // The sequential results the table relies on, worked by hand.
    TempFolder folder;
    ImportLimits one;
    one.parallelFromBytes = SIZE_MAX;
    const Outcome empties = importWith(folder.write("e.txt", "1;2\n;\n\n3;4\n;;\n5;6\n;\n\n\n"), procedure(2),
                                       ImportMode::Diagram, one);
    // 1;2, then ";" and "" held and let through by 3;4, then ";;" by 5;6: six
    // records; the lines of empty values at the end are none.
    EXPECT_EQ(empties.points, 6);
    ASSERT_EQ(empties.warnings.size(), 1u);
    ImportLimits small = one;
    small.maxLineLength = 200;
    const Outcome reached =
        importWith(folder.write("l.txt", repeat("1;2\n", 10) + std::string(300, '9') + "\n"), procedure(2),
                   ImportMode::Diagram, small);
    EXPECT_FALSE(reached.completed);
    EXPECT_NE(reached.error.find("11"), std::string::npos) << reached.error;  // the line number
}

TEST(ParallelImport, LinesAcrossTheReadersChunks) {
    // About 3 MiB of records of varied lengths: lines straddle the 1 MiB
    // chunks of the file reader and the batch boundaries alike.
    TempFolder folder;
    std::string text;
    for (int i = 0; text.size() < (std::size_t{3} << 20); ++i)
        text += std::to_string(i) + ";" + std::string(static_cast<std::size_t>(i % 37), '0') + "1," +
                std::to_string(i % 1000) + (i % 5 == 0 ? ";;\r\n" : ";2\n");
    const std::string path = folder.write("gros.txt", text);
    ImportLimits one;
    one.parallelFromBytes = SIZE_MAX;
    const Outcome sequential = importWith(path, procedure(3), ImportMode::Diagram, one);
    ASSERT_TRUE(sequential.completed);
    ASSERT_GT(sequential.points, 90000);
    for (std::size_t batch : {997u, 16384u}) {
        ImportLimits many;
        many.parallelFromBytes = 0;
        many.batchLines = batch;
        expectSame(sequential, importWith(path, procedure(3), ImportMode::Diagram, many),
                   "batches of " + std::to_string(batch));
    }
}

}  // namespace parallel_import
}  // namespace ordinax::exchange
