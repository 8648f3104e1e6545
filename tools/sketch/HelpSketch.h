// SPDX-License-Identifier: GPL-3.0-or-later
// The help sketch of one language: a two-panel half-wing drawn by the program's own planform
// code, with every input dimensioned and the mean chord and balance point marked and named.
#pragma once

#include <QImage>
#include <QString>

// The words of the sketch, taken from one language file.
struct SketchWords {
    QString inputs; // heading with the unit
    QString panel;  // followed by " 1", " 2"
    QString rootChord;
    QString tipChord;
    QString panelLength;
    QString sweep;
    QString balance; // the balance point, in % of the mean chord
    QString meanChordStation;
    QString meanChord;
    QString balanceDistance;
};

QImage drawHelpSketch(const SketchWords& words);
