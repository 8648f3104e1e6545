// Every control of the main window, created in one place (BuildMainWindowControls) and given
// its words in another (TranslateMainWindow), so a language switch touches only the texts.
#pragma once

#include <QString>
#include <array>

class PlanPreview;
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
    QMenu* mnufile = nullptr;
    QAction* mnuopen = nullptr;
    QAction* mnusave = nullptr;
    QAction* mnufileprint = nullptr;
    QAction* mnufilequit = nullptr;
    QAction* mnulang = nullptr; // a menu-bar entry of its own, without sub-entries
    QMenu* mnuaide = nullptr;
    QAction* mnuhlp = nullptr;
    QAction* nmuabout = nullptr;

    QGroupBox* donnees = nullptr;   // "données": the inputs
    QGroupBox* resultats = nullptr; // "résultats": the results
    QGroupBox* ca = nullptr;        // the mass line
    QFrame* Frame1 = nullptr;

    std::array<QLabel*, 5> Trap{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label100 = nullptr;
    PanelFields C_max{};
    PanelFields C_min{};
    PanelFields L_trap{};
    PanelFields deport{};
    WingField* Cg = nullptr;
    QPushButton* cmdCalcul = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdprint = nullptr;

    QLabel* Lbmasse = nullptr;
    WingField* masse = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Lbca = nullptr;
    QLabel* LbafficheCA = nullptr;

    QLabel* Label6 = nullptr;
    QLabel* Lbenv = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Lbsurf = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Lballong = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Lbdist_x = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Lbcmoy = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Lbdistcentr = nullptr;

    PlanPreview* plan = nullptr;
};

// Creates the menus and controls with their built-in French texts, positions, fonts, colours and
// keyboard order, owned by the window.
MainWindowControls BuildMainWindowControls(QMainWindow& window);
