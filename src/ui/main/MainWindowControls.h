// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of the main window, created in one place (buildMainWindowControls) and given
// its words in another (translateMainWindow), so a language switch touches only the texts.
#pragma once

#include "calc/WingFields.h"

#include <QString>
#include <array>

class PlanformPreview;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class WingField;

using PanelFields = std::array<WingField*, 5>;

struct MainWindowControls {
    QMenu* fileMenu = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* printAction = nullptr;
    QAction* printPreviewAction = nullptr;
    QAction* quitSeparator = nullptr; // the features' entries go before it
    QAction* quitAction = nullptr;
    QAction* languageAction = nullptr; // a menu-bar entry of its own, without sub-entries
    QMenu* helpMenu = nullptr;
    QAction* helpAction = nullptr;
    QAction* aboutAction = nullptr;

    QGroupBox* inputsGroup = nullptr;
    QGroupBox* resultsGroup = nullptr;
    QGroupBox* massGroup = nullptr; // the mass line
    QFrame* wingLoadingFrame = nullptr;

    std::array<QLabel*, 5> panelCaptions{};
    QLabel* rootChordCaption = nullptr;
    QLabel* tipChordCaption = nullptr;
    QLabel* panelLengthCaption = nullptr;
    QLabel* sweepOffsetCaption = nullptr;
    QLabel* balanceCaption = nullptr;
    QLabel* percentCaption = nullptr;
    PanelFields rootChordFields{};
    PanelFields tipChordFields{};
    PanelFields panelLengthFields{};
    PanelFields sweepOffsetFields{};
    WingField* balanceField = nullptr;
    QPushButton* calculateButton = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* printButton = nullptr;

    QLabel* massCaption = nullptr;
    WingField* massField = nullptr;
    QLabel* gramsCaption = nullptr;
    QLabel* wingLoadingCaption = nullptr;
    QLabel* wingLoadingValue = nullptr;

    QLabel* spanCaption = nullptr;
    QLabel* spanValue = nullptr;
    QLabel* areaCaption = nullptr;
    QLabel* areaValue = nullptr;
    QLabel* aspectRatioCaption = nullptr;
    QLabel* aspectRatioValue = nullptr;
    QLabel* meanChordStationCaption = nullptr;
    QLabel* meanChordStationValue = nullptr;
    QLabel* meanChordCaption = nullptr;
    QLabel* meanChordValue = nullptr;
    QLabel* balanceDistanceCaption = nullptr;
    QLabel* balanceDistanceValue = nullptr;

    PlanformPreview* preview = nullptr;
};

// Creates the menus and controls with their built-in French texts, positions, fonts, colours and
// keyboard order, owned by the window.
MainWindowControls buildMainWindowControls(QMainWindow& window);

// The field where that input is typed. Root chords 2 to 5 only mirror the tip chord before them,
// so that tip chord stands for them.
WingField* fieldFor(const MainWindowControls& controls, InputField field);
