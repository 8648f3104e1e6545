// SPDX-License-Identifier: GPL-3.0-or-later
// Print full size: the wing at 1:1 tiled over A4 or Letter pages, shown in a preview before
// anything is printed, with a question first when the plan takes many pages. The print dialog
// follows where the system has a printer; without one the pages go into a PDF the user places,
// after the question Print asks.
#pragma once

struct FeatureContext;

// The plan of the half-wing or, with bothHalves, of the whole wing.
void printFullSize(const FeatureContext& context, bool bothHalves);
