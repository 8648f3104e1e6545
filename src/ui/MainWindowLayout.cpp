#include "ui/FormFont.h"
#include "ui/MainWindowControls.h"
#include "ui/PlanPreview.h"
#include "ui/Twips.h"
#include "ui/WingField.h"

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>

namespace {

// Row captions end just before the first field column, result captions before their values.
constexpr double kFieldColumn = 1920;
constexpr double kPanelPitch = 960;
constexpr double kFieldWidth = 855;
constexpr double kRowHeight = 285;

QLabel* MakeLabel(QWidget* parent, const QString& text, QRect where, bool bold,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(where);
    label->setFont(FormFont(8.25, bold));
    label->setAlignment(alignment);
    return label;
}

QLabel* MakeCaption(QWidget* parent, const QString& text, double right, double top) {
    const double left = right - 2400;
    return MakeLabel(parent, text, TwipsRect(left, top, right - left - 60, kRowHeight), true,
                     Qt::AlignRight | Qt::AlignVCenter);
}

WingField* MakeField(QWidget* parent, const QString& allowed, double left, double top) {
    auto* field = new WingField(allowed, parent);
    field->setGeometry(TwipsRect(left, top, kFieldWidth, kRowHeight));
    field->setFont(FormFont(8.25, false));
    return field;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, QStyle::StandardPixmap picture,
                        double top) {
    auto* button = new QPushButton(parent->style()->standardIcon(picture), text, parent);
    button->setGeometry(TwipsRect(6720, top, 1020, 495));
    button->setFont(FormFont(8.25, false));
    button->setAutoDefault(true); // Enter presses the button that has the focus
    return button;
}

QGroupBox* MakeFrame(QWidget* parent, const QString& title, QRect where) {
    auto* frame = new QGroupBox(title, parent);
    frame->setGeometry(where);
    frame->setFont(FormFont(9, true));
    return frame;
}

void Colour(QLabel* label, Qt::GlobalColor colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void BuildMenus(QMainWindow& window, MainWindowControls& c) {
    QMenuBar* bar = window.menuBar();
    c.mnufile = bar->addMenu(QStringLiteral("&Fichier"));
    c.mnuopen = c.mnufile->addAction(QStringLiteral("&Ouvrir..."));
    c.mnusave = c.mnufile->addAction(QStringLiteral("&Enregister sous..."));
    c.mnufile->addSeparator();
    c.mnufileprint = c.mnufile->addAction(QStringLiteral("&Imprimer ..."));
    c.mnufile->addSeparator();
    c.mnufilequit = c.mnufile->addAction(QStringLiteral("&Quitter "));
    c.mnulang = bar->addAction(QStringLiteral("Langue"));
    c.mnuaide = bar->addMenu(QStringLiteral("?"));
    c.mnuhlp = c.mnuaide->addAction(QStringLiteral("&Aide ..."));
    c.mnuaide->addSeparator();
    c.nmuabout = c.mnuaide->addAction(QStringLiteral("A &propos de  ..."));
}

void BuildInputs(QWidget* central, MainWindowControls& c) {
    c.donnees = MakeFrame(central, QStringLiteral("Données (mm)"), TwipsRect(120, 120, 8055, 2775));
    c.donnees->setObjectName(QStringLiteral("données"));
    QWidget* frame = c.donnees;
    for (int i = 0; i < 5; ++i) {
        const double column = kFieldColumn + kPanelPitch * i;
        c.Trap[i] =
            MakeLabel(frame, QStringLiteral("Trapèze %1").arg(i + 1),
                      TwipsRect(column, 240, kFieldWidth, kRowHeight), false, Qt::AlignCenter);
        c.C_max[i] = MakeField(frame, kDigitsAndPoint, column, 600);
        c.C_min[i] = MakeField(frame, kDigitsAndPoint, column, 960);
        c.L_trap[i] = MakeField(frame, kDigitsAndPoint, column, 1320);
        c.deport[i] = MakeField(frame, kDigitsPointAndMinus, column, 1680);
        // Root chords 1 to 4 only mirror the previous tip chord.
        c.C_max[i]->setEnabled(i == 0);
    }
    c.Label1 = MakeCaption(frame, QStringLiteral("Corde Maxi :"), kFieldColumn, 600);
    c.Label2 = MakeCaption(frame, QStringLiteral(" Corde Mini :"), kFieldColumn, 960);
    c.Label3 = MakeCaption(frame, QStringLiteral("Longueur Trapèze :"), kFieldColumn, 1320);
    c.Label4 = MakeCaption(frame, QStringLiteral("Flèche  +/- :"), kFieldColumn, 1680);
    c.Label5 = MakeCaption(frame, QStringLiteral("Centrage à "), kFieldColumn, 2160);
    c.Cg = MakeField(frame, kDigitsAndPoint, kFieldColumn, 2160);
    c.Label100 =
        MakeLabel(frame, QStringLiteral("%"), TwipsRect(2820, 2160, 300, kRowHeight), true);

    c.cmdCalcul = MakeButton(frame, QStringLiteral("&Calcul"), QStyle::SP_DialogApplyButton, 600);
    c.cmdClear = MakeButton(frame, QStringLiteral("&Efface"), QStyle::SP_DialogResetButton, 1320);
    c.cmdprint =
        MakeButton(frame, QStringLiteral("&Imprimer"), QStyle::SP_FileDialogDetailedView, 2040);
}

void BuildMassLine(QWidget* central, MainWindowControls& c) {
    c.ca = MakeFrame(central, QString(), TwipsRect(120, 2880, 8055, 615));
    c.Lbmasse = MakeCaption(c.ca, QStringLiteral("Masse :"), kFieldColumn, 180);
    c.masse = MakeField(c.ca, kDigitsAndPoint, kFieldColumn, 180);
    c.Label12 = MakeLabel(c.ca, QStringLiteral("g"), TwipsRect(2820, 180, 300, kRowHeight), false);

    c.Frame1 = new QFrame(c.ca);
    c.Frame1->setGeometry(TwipsRect(3120, 60, 4800, 495));
    c.Lbca = MakeCaption(c.Frame1, QStringLiteral("Charge Alaire :"), 2760, 120);
    c.LbafficheCA = MakeLabel(c.Frame1, QString(), TwipsRect(2760, 120, 2000, kRowHeight), false);
}

void BuildResults(QWidget* central, MainWindowControls& c) {
    c.resultats = MakeFrame(central, QStringLiteral("Résultats"), TwipsRect(120, 3500, 8055, 1455));
    c.resultats->setObjectName(QStringLiteral("résultats"));
    QWidget* frame = c.resultats;
    const auto value = [frame](double left, double top) {
        return MakeLabel(frame, QString(), TwipsRect(left, top, 2040, kRowHeight), false);
    };
    c.Label6 = MakeCaption(frame, QStringLiteral("Envergure :"), 1920, 360);
    c.Lbenv = value(1920, 360);
    c.Label7 = MakeCaption(frame, QStringLiteral("Surface :"), 1920, 720);
    c.Lbsurf = value(1920, 720);
    c.Label8 = MakeCaption(frame, QStringLiteral("Allongement :"), 1920, 1080);
    c.Lballong = value(1920, 1080);
    c.Label9 = MakeCaption(frame, QStringLiteral("Distance X :"), 5880, 360);
    c.Lbdist_x = value(5880, 360);
    c.Label10 = MakeCaption(frame, QStringLiteral("Vantrelle :"), 5880, 720);
    c.Lbcmoy = value(5880, 720);
    c.Label11 = MakeCaption(frame, QStringLiteral("Distance de centrage :"), 5880, 1080);
    c.Lbdistcentr = value(5880, 1080);
    // The preview draws the mean chord in red and the balance point in blue.
    Colour(c.Label9, Qt::red);
    Colour(c.Label11, Qt::blue);
}

void SetKeyboardOrder(MainWindowControls& c) {
    QList<QWidget*> order{c.C_max[0], c.C_min[0], c.L_trap[0], c.deport[0], c.Cg};
    for (int i = 1; i < 5; ++i)
        order << c.C_max[i] << c.C_min[i] << c.L_trap[i] << c.deport[i];
    order << c.masse << c.cmdCalcul << c.cmdClear << c.cmdprint;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

MainWindowControls BuildMainWindowControls(QMainWindow& window) {
    MainWindowControls controls;
    auto* central = new QWidget(&window);
    central->setFixedSize(TwipsToPixels(8310), TwipsToPixels(7470));
    window.setCentralWidget(central);

    BuildMenus(window, controls);
    BuildInputs(central, controls);
    BuildMassLine(central, controls);
    BuildResults(central, controls);
    controls.plan = new PlanPreview(central);
    controls.plan->setGeometry(TwipsRect(120, 5040, 8055, 2295));
    SetKeyboardOrder(controls);
    return controls;
}
