// SPDX-License-Identifier: GPL-3.0-or-later
// Airfoil coordinate files: the real ones modellers download, the same section written in every
// form and quirk a file may have, and the broken ones, each refused at its line.
#include "files/AirfoilFile.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

std::string airfoilFile(const std::string& name) {
    return std::string(WINGSHEET_AIRFOIL_FILES) + "/" + name;
}

Airfoil readAirfoil(const std::string& name) {
    const AirfoilFileRead read = loadAirfoilFile(airfoilFile(name));
    EXPECT_TRUE(read.airfoil) << name;
    return read.airfoil.value_or(Airfoil{});
}

// e374.dat rewritten in Lednicer form, in percent, with CR line ends, tabs and blank lines,
// exponents, points given twice, a name line of numbers, the lower surface first, and moved,
// scaled and turned off the axis: each reads to the very section e374.dat reads to.
TEST(AirfoilFile, EveryFormOfOneSectionReadsToTheSameSection) {
    const Airfoil reference = readAirfoil("e374.dat");
    ASSERT_EQ(reference.points.size(), 61u);
    const struct {
        const char* file;
        double scale;
        int duplicates;
        bool reversed;
    } rows[] = {
        {"e374-lednicer.dat", 1.000139, 0, false},
        {"e374-percent.dat", 0.010001, 0, false},
        {"e374-cr-only.dat", 1.000139, 0, false},
        {"e374-tabs-blank-lines.dat", 1.000139, 0, false},
        {"e374-exponents.dat", 1.000139, 0, false},
        {"e374-duplicated-points.dat", 1.000139, 4, false},
        {"e374-name-of-numbers.dat", 1.000139, 0, false},
        {"e374-lower-first.dat", 1.000139, 0, true},
        {"e374-shifted-turned.dat", 0.999440, 0, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const AirfoilFileRead read = loadAirfoilFile(airfoilFile(row.file));
        ASSERT_TRUE(read.airfoil);
        EXPECT_NEAR(read.notes.scale, row.scale, 1e-6);
        EXPECT_EQ(read.notes.duplicatesDropped, row.duplicates);
        EXPECT_EQ(read.notes.reversed, row.reversed);
        const std::vector<Point2D>& points = read.airfoil->points;
        ASSERT_EQ(points.size(), reference.points.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            EXPECT_NEAR(points[i].x, reference.points[i].x, 2e-6) << "point " << i;
            EXPECT_NEAR(points[i].y, reference.points[i].y, 2e-6) << "point " << i;
        }
    }
    EXPECT_EQ(readAirfoil("e374-name-of-numbers.dat").name, "374 0.25");
    EXPECT_EQ(readAirfoil("e374-tabs-blank-lines.dat").name, "E374");
}

// Every real file: its name made fit for a .ribs file, its points, its leading edge at the
// origin and its trailing edge centred on (1, 0), and how open that edge is.
TEST(AirfoilFile, RealFilesReadNormalised) {
    const struct {
        const char* file;
        const char* name;
        std::size_t points;
        double trailingEdgeGap;
    } rows[] = {
        {"ag455ct-02r.dat", "AG455ct -02f rot. New SuperGee DLG by Mark Drela", 170, 0.000844},
        {"hn785sr.dat", "HN-785SR F3F \xc2\xa9 Norbert Habbe", 101, 0},
        {"ht14.dat", "HT 14", 140, 0.001886},
        {"mh45.dat", "MH 45 9.85%", 67, 0},
        {"naca0009.dat", "Naca 0009 By Naca.exe D. LEDNICER", 69, 0.00189},
        {"naca0010-open-te-lednicer.dat", "NACA 0010 open trailing edge", 81, 0.0021},
        {"s4083rev.dat", "S4083 suivant Modif JCE pour BA", 81, 0},
        {"s7075.dat", "S7075 (9%)", 81, 0},
        {"sc20403rev.dat", "NASA SC(2)-0403 AIRFOIL tracfoil", 205, 0.0024},
        {"sd7003.dat", "SD7003-085-88", 61, 0.00001},
        {"tp60j.dat", "TP60 J pour Padawan-micro planeur de voltige en EPP (c)Th Pl", 260, 0.0003},
        {"tp66-s.dat", "TP66-S Saumon (c)Th Platon combinaison TP66/TP66S voltige VT", 260,
         0.00014},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const AirfoilFileRead read = loadAirfoilFile(airfoilFile(row.file));
        ASSERT_TRUE(read.airfoil);
        const std::vector<Point2D>& p = read.airfoil->points;
        EXPECT_EQ(read.airfoil->name, row.name);
        EXPECT_EQ(p.size(), row.points);
        EXPECT_NEAR(read.notes.trailingEdgeGap, row.trailingEdgeGap, 2e-6);
        EXPECT_EQ(p[leadingEdgeIndex(p)], (Point2D{0, 0}));
        EXPECT_NEAR((p.front().x + p.back().x) / 2, 1, 1e-6);
        EXPECT_NEAR((p.front().y + p.back().y) / 2, 0, 1e-6);
    }
}

TEST(AirfoilFile, BadFilesAreRefusedAtTheirLine) {
    const struct {
        const char* file;
        AirfoilFault fault;
        int line;
    } rows[] = {
        {"bad-no-numbers.dat", AirfoilFault::NoNumbers, 2},
        {"bad-too-few.dat", AirfoilFault::TooFewPoints, 10},
        {"bad-nan.dat", AirfoilFault::NotFinite, 7},
        {"bad-inf.dat", AirfoilFault::NotFinite, 22},
        {"bad-lednicer-count.dat", AirfoilFault::CountMismatch, 2},
        {"bad-crossing.dat", AirfoilFault::CrossesItself, 42},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const AirfoilFileRead read = loadAirfoilFile(airfoilFile(row.file));
        EXPECT_FALSE(read.airfoil);
        ASSERT_TRUE(read.fault);
        EXPECT_EQ(read.fault->fault, row.fault);
        EXPECT_EQ(read.fault->line, row.line);
    }
    // One point more than a file may hold: refused at the line of that point.
    std::string tooMany = "Two thousand and one points\n";
    for (int i = 0; i <= 2000; ++i) {
        const double x = std::abs(1 - i / 1000.0);
        tooMany +=
            std::to_string(x) + " " + std::to_string((i < 1000 ? 0.1 : -0.05) * x * (1 - x)) + "\n";
    }
    const AirfoilFileRead many = readAirfoilText(tooMany, "many.dat");
    ASSERT_TRUE(many.fault);
    EXPECT_EQ(many.fault->fault, AirfoilFault::TooManyPoints);
    EXPECT_EQ(many.fault->line, 2002);
    const AirfoilFileRead folder = loadAirfoilFile(WINGSHEET_AIRFOIL_FILES);
    EXPECT_FALSE(folder.airfoil);
    ASSERT_TRUE(folder.fileError);
    EXPECT_EQ(folder.fileError->number, EISDIR);
}

TEST(AirfoilFile, AnEmptyNameLineTakesTheFileName) {
    std::string text = "\r\n";
    for (int i = 0; i <= 20; ++i) {
        const double x = std::abs(1 - i / 10.0);
        text += std::to_string(x) + " " + std::to_string((i < 10 ? 0.05 : -0.04) * x * (1 - x)) +
                "\r\n";
    }
    const AirfoilFileRead read = readAirfoilText(text, "clark-y.dat");
    ASSERT_TRUE(read.airfoil);
    EXPECT_EQ(read.airfoil->name, "clark-y");
    EXPECT_EQ(read.airfoil->points.size(), 21u);
}

} // namespace
