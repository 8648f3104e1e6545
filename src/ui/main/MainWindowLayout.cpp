// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/FormFont.h"
#include "ui/common/Twips.h"
#include "ui/common/WingField.h"
#include "ui/main/ButtonPictures.h"
#include "ui/main/MainWindowControls.h"
#include "ui/main/PlanformPreview.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <utility>

namespace {

// Row captions end just before the first field column, result captions before their values;
// they start inside their frame, so a long translation has the frame's whole width to the left.
constexpr double kFieldColumn = 1920;
constexpr double kPanelPitch = 960;
constexpr double kFieldWidth = 855;
constexpr double kRowHeight = 285;
constexpr double kCaptionLeft = 60;
constexpr double kCaptionGap = 60;
// The left column of results ends where the captions of the right one begin.
constexpr double kLeftValueWidth = 1500;
constexpr double kRightCaptionLeft = 3480;
// A smaller picture than the style's leaves the narrow buttons room for their captions.
constexpr int kButtonIconPixels = 12;

QLabel* makeLabel(QWidget* parent, const QString& text, QRect where, bool bold,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(where);
    label->setFont(formFont(8.25, bold));
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText); // a translation is never markup
    return label;
}

// A bold caption, right-aligned from left to just before right, the value or field it names.
QLabel* makeCaption(QWidget* parent, const QString& text, double left, double right, double top) {
    return makeLabel(parent, text, twipsRect(left, top, right - left - kCaptionGap, kRowHeight),
                     true, Qt::AlignRight | Qt::AlignVCenter);
}

WingField* makeField(QWidget* parent, const QString& allowed, double left, double top,
                     FieldQuantity quantity = FieldQuantity::Length) {
    auto* field = new WingField(allowed, parent, quantity);
    field->setGeometry(twipsRect(left, top, kFieldWidth, kRowHeight));
    field->setFont(formFont(8.25, false));
    return field;
}

QPushButton* makeButton(QWidget* parent, const QString& text, ButtonPicture picture, double top) {
    auto* button = new QPushButton(
        buttonPicture(picture, kButtonIconPixels, parent->devicePixelRatioF()), text, parent);
    button->setGeometry(twipsRect(6720, top, 1020, 495));
    button->setFont(formFont(8.25, false));
    button->setAutoDefault(true); // Enter presses the button that has the focus
    button->setIconSize(QSize(kButtonIconPixels, kButtonIconPixels));
    return button;
}

QGroupBox* makeFrame(QWidget* parent, const QString& title, QRect where) {
    auto* frame = new QGroupBox(title, parent);
    frame->setGeometry(where);
    frame->setFont(formFont(9, true));
    return frame;
}

void colour(QLabel* label, Qt::GlobalColor colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void buildMenus(QMainWindow& window, MainWindowControls& c) {
    QMenuBar* bar = window.menuBar();
    c.fileMenu = bar->addMenu(QStringLiteral("&Fichier"));
    c.openAction = c.fileMenu->addAction(QStringLiteral("&Ouvrir..."));
    c.saveAsAction = c.fileMenu->addAction(QStringLiteral("&Enregister sous..."));
    c.fileMenu->addSeparator();
    c.printAction = c.fileMenu->addAction(QStringLiteral("&Imprimer ..."));
    c.printPreviewAction = c.fileMenu->addAction(QStringLiteral("&Aperçu avant impression…"));
    c.quitSeparator = c.fileMenu->addSeparator();
    c.quitAction = c.fileMenu->addAction(QStringLiteral("&Quitter "));
    c.languageAction = bar->addAction(QStringLiteral("Langue"));
    c.helpMenu = bar->addMenu(QStringLiteral("?"));
    c.helpAction = c.helpMenu->addAction(QStringLiteral("&Aide ..."));
    c.helpMenu->addSeparator();
    c.aboutAction = c.helpMenu->addAction(QStringLiteral("A &propos de  ..."));
    // The keys every desktop program answers to; Save as is the only way to save a wing.
    const std::pair<QAction*, QKeySequence> shortcuts[] = {
        {c.openAction, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {c.saveAsAction, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {c.printAction, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {c.quitAction, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {c.helpAction, QKeySequence(Qt::Key_F1)},
    };
    for (const auto& [action, keys] : shortcuts)
        action->setShortcut(keys);
}

void buildInputs(QWidget* central, MainWindowControls& c) {
    c.inputsGroup =
        makeFrame(central, QStringLiteral("Données (mm)"), twipsRect(120, 120, 8055, 2775));
    c.inputsGroup->setObjectName(QStringLiteral("données"));
    QWidget* frame = c.inputsGroup;
    for (int i = 0; i < 5; ++i) {
        const double column = kFieldColumn + kPanelPitch * i;
        c.panelCaptions[i] =
            makeLabel(frame, QStringLiteral("Trapèze %1").arg(i + 1),
                      twipsRect(column, 240, kFieldWidth, kRowHeight), false, Qt::AlignCenter);
        c.rootChordFields[i] = makeField(frame, kDigitsAndPoint, column, 600);
        c.tipChordFields[i] = makeField(frame, kDigitsAndPoint, column, 960);
        c.panelLengthFields[i] = makeField(frame, kDigitsAndPoint, column, 1320);
        c.sweepOffsetFields[i] = makeField(frame, kDigitsPointAndMinus, column, 1680);
        // Root chords 1 to 4 only mirror the previous tip chord.
        c.rootChordFields[i]->setEnabled(i == 0);
    }
    const auto rowCaption = [frame](const QString& text, double top) {
        return makeCaption(frame, text, kCaptionLeft, kFieldColumn, top);
    };
    c.rootChordCaption = rowCaption(QStringLiteral("Corde Maxi :"), 600);
    c.tipChordCaption = rowCaption(QStringLiteral(" Corde Mini :"), 960);
    c.panelLengthCaption = rowCaption(QStringLiteral("Longueur Trapèze :"), 1320);
    c.sweepOffsetCaption = rowCaption(QStringLiteral("Flèche  +/- :"), 1680);
    c.balanceCaption = rowCaption(QStringLiteral("Centrage à "), 2160);
    c.balanceField = makeField(frame, kDigitsAndPoint, kFieldColumn, 2160, FieldQuantity::Plain);
    c.balanceCaption->setBuddy(c.balanceField);
    c.percentCaption =
        makeLabel(frame, QStringLiteral("%"), twipsRect(2820, 2160, 300, kRowHeight), true);

    c.calculateButton = makeButton(frame, QStringLiteral("&Calcul"), ButtonPicture::Calculate, 600);
    c.clearButton = makeButton(frame, QStringLiteral("&Efface"), ButtonPicture::Clear, 1320);
    c.printButton = makeButton(frame, QStringLiteral("&Imprimer"), ButtonPicture::Print, 2040);
}

void buildMassLine(QWidget* central, MainWindowControls& c) {
    c.massGroup = makeFrame(central, QString(), twipsRect(120, 2880, 8055, 615));
    c.massCaption =
        makeCaption(c.massGroup, QStringLiteral("Masse :"), kCaptionLeft, kFieldColumn, 180);
    c.massField = makeField(c.massGroup, kDigitsAndPoint, kFieldColumn, 180, FieldQuantity::Mass);
    c.gramsCaption =
        makeLabel(c.massGroup, QStringLiteral("g"), twipsRect(2820, 180, 300, kRowHeight), false);

    c.wingLoadingFrame = new QFrame(c.massGroup);
    c.wingLoadingFrame->setGeometry(twipsRect(3120, 60, 4800, 495));
    c.wingLoadingCaption =
        makeCaption(c.wingLoadingFrame, QStringLiteral("Charge Alaire :"), kCaptionLeft, 2760, 120);
    c.wingLoadingValue =
        makeLabel(c.wingLoadingFrame, QString(), twipsRect(2760, 120, 2000, kRowHeight), false);
    c.massCaption->setBuddy(c.massField);
    c.wingLoadingCaption->setBuddy(c.wingLoadingValue);
}

void buildResults(QWidget* central, MainWindowControls& c) {
    c.resultsGroup =
        makeFrame(central, QStringLiteral("Résultats"), twipsRect(120, 3500, 8055, 1455));
    c.resultsGroup->setObjectName(QStringLiteral("résultats"));
    QWidget* frame = c.resultsGroup;
    // Each result: its caption, the value after it, and the caption as the value's label.
    const auto result = [frame](QLabel*& caption, QLabel*& value, const QString& text,
                                double captionLeft, double valueLeft, double valueWidth,
                                double top) {
        caption = makeCaption(frame, text, captionLeft, valueLeft, top);
        value =
            makeLabel(frame, QString(), twipsRect(valueLeft, top, valueWidth, kRowHeight), false);
        caption->setBuddy(value);
    };
    const auto left = [&](QLabel*& caption, QLabel*& value, const QString& text, double top) {
        result(caption, value, text, kCaptionLeft, 1920, kLeftValueWidth, top);
    };
    const auto right = [&](QLabel*& caption, QLabel*& value, const QString& text, double top) {
        result(caption, value, text, kRightCaptionLeft, 5880, 2040, top);
    };
    left(c.spanCaption, c.spanValue, QStringLiteral("Envergure :"), 360);
    left(c.areaCaption, c.areaValue, QStringLiteral("Surface :"), 720);
    left(c.aspectRatioCaption, c.aspectRatioValue, QStringLiteral("Allongement :"), 1080);
    right(c.meanChordStationCaption, c.meanChordStationValue, QStringLiteral("Distance X :"), 360);
    right(c.meanChordCaption, c.meanChordValue, QStringLiteral("Vantrelle :"), 720);
    right(c.balanceDistanceCaption, c.balanceDistanceValue,
          QStringLiteral("Distance de centrage :"), 1080);
    // The preview draws the mean chord in red and the balance point in blue.
    colour(c.meanChordStationCaption, Qt::red);
    colour(c.balanceDistanceCaption, Qt::blue);
}

void setKeyboardOrder(MainWindowControls& c) {
    QList<QWidget*> order{c.rootChordFields[0], c.tipChordFields[0], c.panelLengthFields[0],
                          c.sweepOffsetFields[0], c.balanceField};
    for (int i = 1; i < 5; ++i)
        order << c.rootChordFields[i] << c.tipChordFields[i] << c.panelLengthFields[i]
              << c.sweepOffsetFields[i];
    order << c.massField << c.calculateButton << c.clearButton << c.printButton;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

MainWindowControls buildMainWindowControls(QMainWindow& window) {
    MainWindowControls controls;
    auto* central = new QWidget(&window);
    central->setFixedSize(twipsToPixels(8310), twipsToPixels(7470));
    window.setCentralWidget(central);

    buildMenus(window, controls);
    buildInputs(central, controls);
    buildMassLine(central, controls);
    buildResults(central, controls);
    controls.preview = new PlanformPreview(central);
    controls.preview->setGeometry(twipsRect(120, 5040, 8055, 2295));
    setKeyboardOrder(controls);
    return controls;
}

WingField* fieldFor(const MainWindowControls& controls, InputField field) {
    const int panel = field.panel;
    switch (field.input) {
    case WingInput::RootChord:
        return panel == 0 ? controls.rootChordFields[0] : controls.tipChordFields[panel - 1];
    case WingInput::TipChord:
        return controls.tipChordFields[panel];
    case WingInput::PanelLength:
        return controls.panelLengthFields[panel];
    case WingInput::SweepOffset:
        return controls.sweepOffsetFields[panel];
    case WingInput::Balance:
        return controls.balanceField;
    case WingInput::Mass:
        break;
    }
    return controls.massField;
}
