#include <gtest/gtest.h>

#include "export/csv_export.h"
#include "test_support.h"

TEST(CsvExport, Tables)
{
    const NamedSeries alt = SeriesOf("Alt", {0, 1, 3}, 0.5), vario = SeriesOf("Vario", {2, 4, 4}, 0.5);
    const NamedSeries shortVario = SeriesOf("Vario", {2}, 0.5);
    const NamedSeries quoted = SeriesOf("Temp \"inside\"", {-1.5, 1e6, 0.0000004}, 0.5);
    const std::string both = "\"Time (sec)\",\"Alt\",\"Vario\"\r\n0.000000,0.000000,2.000000\r\n";
    const struct {
        const char* what;
        std::vector<const NamedSeries*> shown;
        size_t first, end;
        std::string csv;
    } cases[] = {
        {"the whole log", std::vector{&alt, &vario}, 0, kEndOfLog,
         both + "0.500000,1.000000,4.000000\r\n1.000000,3.000000,4.000000\r\n"},
        {"no series shown", {}, 0, kEndOfLog, "\"Time (sec)\"\r\n"},
        {"the shortest series sets the rows", {&alt, &shortVario}, 0, kEndOfLog, both},
        {"a range starts its times at 0", {&alt}, 1, 2, "\"Time (sec)\",\"Alt\"\r\n0.000000,1.000000\r\n"},
        {"a range past the data", {&alt}, 5, 9, "\"Time (sec)\",\"Alt\"\r\n"},
        {"quotes doubled, numbers with %f", std::vector{&quoted}, 0, kEndOfLog,
         "\"Time (sec)\",\"Temp \"\"inside\"\"\"\r\n0.000000,-1.500000\r\n0.500000,1000000.000000\r\n"
         "1.000000,0.000000\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CsvText(c.shown, 0.5, c.first, c.end), c.csv) << c.what;
}

TEST(CsvExport, SelectionSamples)
{
    const struct {
        double t1, t2, dt;
        size_t first, end;
    } cases[] = {
        {2.0, 3.0, 0.5, 4, 7},     {0.0, 0.0, 1.0, 0, 1},          {0.3, 0.3, 0.1, 2, 4},  // 0.3 / 0.1 is just below 3
        {10.0, 20.0, 1.0, 10, 21}, {0.0, 1e30, 0.1, 0, kEndOfLog},
    };
    for (const auto& c : cases) {
        const SampleRange r = SelectionSamples(c.t1, c.t2, c.dt);
        EXPECT_EQ(r.first, c.first) << c.t1 << ".." << c.t2;
        EXPECT_EQ(r.end, c.end) << c.t1 << ".." << c.t2;
    }
}

TEST(CsvExport, SeriesThatCannotBeMadeAreLeftOut)
{
    NamedSeries alt = SeriesOf("Alt", {0, 1, 3}, 0.5), vario = SeriesOf("Vario", {2, 4, 4}, 0.5);
    NamedSeries broken = SeriesOf("Temp", {}, 0.5);
    broken.problem = "channel \"Temp\" of device 59 has no formula";
    NamedSeries empty = SeriesOf("Volt", {}, 0.5);
    std::vector<std::string> leftOut;
    const auto table = TableSeries({&alt, &broken, &vario, &empty}, leftOut);
    EXPECT_EQ(table, (std::vector<const NamedSeries*>{&alt, &vario}));
    EXPECT_EQ(leftOut,
              (std::vector<std::string>{
                  "the series \"Temp\" was left out of the table: channel \"Temp\" of device 59 has no formula",
                  "the series \"Volt\" was left out of the table: it holds no values"}));

    EXPECT_EQ(TableRangeProblem(0, 1), "");
    EXPECT_EQ(TableRangeProblem(0, 0).rfind("the log holds too few samples for a table", 0), 0u);
    EXPECT_EQ(TableRangeProblem(3, 3), "the selection starts after the last sample (sample 3 of 3)");
}

TEST(CsvExport, ALongTableGoesOutInPiecesAndStopsAtAFailedOne)
{
    const NamedSeries alt = SeriesOf("Alt", std::vector<double>(20000, 1234.5), 0.5);
    std::string whole;
    size_t pieces = 0, largest = 0;
    EXPECT_TRUE(WriteCsv({&alt}, 0.5, 0, kEndOfLog, [&](std::string_view piece) {
        whole += piece;
        ++pieces;
        largest = std::max(largest, piece.size());
        return true;
    }));
    EXPECT_EQ(whole, CsvText({&alt}, 0.5, 0, kEndOfLog));
    EXPECT_GT(pieces, 4u);
    EXPECT_LT(largest, 70u * 1024);
    size_t tries = 0;
    EXPECT_FALSE(WriteCsv({&alt}, 0.5, 0, kEndOfLog, [&](std::string_view) { return ++tries < 2; }));
    EXPECT_EQ(tries, 2u);  // nothing more after the failed piece
}
