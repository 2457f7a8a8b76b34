#include <gtest/gtest.h>

#include "eval/workspace.hpp"
#include "test_support.hpp"

namespace antkeys {
namespace {

// Two keys on two rows; the reference puts a on key A and b on key B.
void WriteInputs(const test::TempFolder& dir, const std::string& fingerOfB = "3") {
    dir.Write("In/KeyDefs.txt", "h\r\nA\t0\t2\t1\t3\t0\r\nB\t0\t" + fingerOfB + "\t2\t2\t0\r\n");
    dir.Write("In/DiGraphs.txt", "h\r\n97\t98\t1\r\n98\t97\t3\r\n");
    dir.Write("In/Kdi.txt",
              "h\r\n1\t0\t0\t0\t0\t0\r\n2\t0\t0\t7\t0\t0\r\n3\t0\t5\t0\t0\t0\r\n"
              "4\t0\t0\t0\t0\t0\r\n5\t0\t0\t0\t0\t0\r\n");
    dir.Write("In/Gj.txt", "h\r\na\t1\r\nb\t0\r\nc\t1\r\nd\t1\r\ne\t1\r\nf\t1\r\n");
    dir.Write("In/RefKeyLay.txt", "h\r\n97\tA\t0\r\n98\tB\t0\r\n");
    dir.Write("In/BestLoad.txt",
              "h\r\n0\t0\t0\r\n1\t1\t0\r\n2\t1\t1\r\n3\t0\t1\r\n4\t0\t0\r\n"
              "5\t0\t0\r\n6\t0\r\n7\t0\r\n8\t0\r\n");
}

TEST(Workspace, LoadsGradesTheReferenceAndTakesTheStoredPheromones) {
    test::TempFolder dir;
    WriteInputs(dir);
    dir.Write("Out/Pheromones.txt", "0\t0\r\n0.25\t0.5\r\n0.75\t0.125\r\n");
    Workspace ws;
    ws.paths.folder = dir.path();
    RecordingSink sink;
    std::string why;
    ASSERT_TRUE(LoadWorkspace(ws, sink, &why)) << why;
    EXPECT_TRUE(sink.messages.empty());
    // Loads 0.75 and 0.25 against targets of 0.5 each. a->b: index to middle, one row up:
    // Kdi(2, 3) = 7 at 0.25; b->a: Kdi(3, 2) = 5 at 0.75.
    EXPECT_EQ(ws.layV.ref, (Criteria{0, 0.125, 1, 1, 0, 7 * 0.25 + 5 * 0.75, 0.25}));
    EXPECT_EQ(ws.panel.v0Perc[5].Text(), "5.50");
    EXPECT_EQ(ws.panel.refGrade.Text(), "6.88");  // 6.875, V2 weighted 0
    // The store replaces the pheromones built from the reference layout.
    EXPECT_EQ(ws.phero.at(1, 0), 0.25);
    EXPECT_EQ(ws.phero.at(2, 1), 0.125);
}

TEST(Workspace, AReferenceThatCannotBeGradedStopsWithoutAMessage) {
    test::TempFolder dir;
    WriteInputs(dir, "7");  // b's finger has no Kdi row, and a->b changes rows
    Workspace ws;
    ws.paths.folder = dir.path();
    RecordingSink sink;
    std::string why;
    EXPECT_FALSE(LoadWorkspace(ws, sink, &why));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_NE(why.find("finger 7"), std::string::npos) << why;
    EXPECT_TRUE(ws.panel.refGrade.empty());
}

TEST(Workspace, StopsAtTheFirstFileThatFails) {
    test::TempFolder dir;
    WriteInputs(dir);
    dir.Write("In/DiGraphs.txt", "header only\r\n");  // loads; the analyzer then fails
    dir.Write("In/BestLoad.txt", "h\r\n");            // would fail, but is read before the analyzer
    Workspace ws;
    ws.paths.folder = dir.path();
    RecordingSink sink;
    EXPECT_FALSE(LoadWorkspace(ws, sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].title, "Error Loading  Best Load");

    WriteInputs(dir);
    dir.Write("In/DiGraphs.txt", "header only\r\n");
    Workspace again;
    again.paths.folder = dir.path();
    RecordingSink sink2;
    EXPECT_FALSE(LoadWorkspace(again, sink2));
    ASSERT_EQ(sink2.messages.size(), 1u);
    EXPECT_EQ(sink2.messages[0].title, "Error Initing Analizer");
}

}  // namespace
}  // namespace antkeys
