#include "ui/TranslateMainWindow.h"

#include "ui/LanguageText.h"
#include "ui/MainWindowControls.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>

void TranslateMainWindow(QMainWindow& frmMain, MainWindowControls& c) {
    c.mnufile->setTitle(Text("File", "0"));
    c.mnuopen->setText(Text("File", "1"));
    c.mnusave->setText(Text("File", "2"));
    c.mnufileprint->setText(Text("File", "3"));
    c.mnufilequit->setText(Text("File", "4"));
    c.mnulang->setText(Text("language", "1"));
    c.mnuaide->setTitle(Text("Help", "0"));
    c.mnuhlp->setText(Text("Help", "1"));
    c.nmuabout->setText(Text("Help", "2"));
    frmMain.setWindowTitle(Text("Label", "0"));

    c.Label1->setText(Text("Label", "1"));
    c.Label2->setText(Text("Label", "2"));
    c.Label3->setText(Text("Label", "3"));
    c.Label4->setText(Text("Label", "4"));
    c.Label4->setToolTip(Text("Label", "4t"));
    c.Label5->setText(Text("Label", "5"));
    c.Label5->setToolTip(Text("Label", "5t"));
    c.Label6->setText(Text("Label", "6"));
    c.Label6->setToolTip(Text("Label", "6t"));
    c.Label7->setText(Text("Label", "7"));
    c.Label8->setText(Text("Label", "8"));
    c.Label9->setText(Text("Label", "9"));
    c.Label9->setToolTip(Text("Label", "9t"));
    c.Label10->setText(Text("Label", "10"));
    c.Label11->setText(Text("Label", "11"));
    c.Label11->setToolTip(Text("Label", "11t"));
    c.Lbmasse->setText(Text("Label", "15") + QStringLiteral(" : "));
    c.Lbca->setText(Text("Label", "16") + QStringLiteral(" : "));
    for (int i = 0; i < 5; ++i)
        c.Trap[i]->setText(Text("Label", "12") + QStringLiteral(" %1").arg(i + 1));
    c.donnees->setTitle(Text("Label", "13"));
    c.resultats->setTitle(Text("Label", "14"));

    c.cmdCalcul->setText(Text("Button", "1"));
    c.cmdCalcul->setToolTip(Text("ToolTipText", "1"));
    c.cmdClear->setText(Text("Button", "2"));
    c.cmdprint->setText(Text("Button", "3"));
}
