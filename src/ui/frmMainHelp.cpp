// The Help menu: the help window and the About window, created afresh at each opening so they
// always show the current language.
#include "Prompter.h"
#include "frmAbout.h"
#include "frmAide.h"
#include "frmMain.h"

void frmMain::mnuhlp_Click() {
    frmAide help(this, prompter_);
    prompter_.runModal(help);
}

void frmMain::nmuabout_Click() {
    frmAbout about(this);
    prompter_.runModal(about);
}
