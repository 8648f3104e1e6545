// The Help menu: the help window and the About window, created afresh at each opening so they
// always show the current language.
#include "ui/Prompter.h"
#include "ui/frmAbout.h"
#include "ui/frmAide.h"
#include "ui/frmMain.h"

void frmMain::mnuhlp_Click() {
    frmAide help(this, prompter_, language_);
    prompter_.runModal(help);
}

void frmMain::nmuabout_Click() {
    frmAbout about(this, language_);
    prompter_.runModal(about);
}
