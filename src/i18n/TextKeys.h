// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the program looks up in a language file, named once. Windows, the printed sheet
// and the command line use these names; the language-file test walks kNamedTextKeys.
// Keys added after the first language files give their English text as a fall-back:
//   inline constexpr TextKey kExportDialogTitle{"FullSize", "3", "Export the outline"};
#pragma once

#include "i18n/TextKey.h"

#include <array>

// Section "Label": the program's name, the captions of the main window and the sheet's table.
inline constexpr TextKey kProgramCaption{"Label", "0"};
inline constexpr TextKey kRootChordCaption{"Label", "1"};
inline constexpr TextKey kTipChordCaption{"Label", "2"};
inline constexpr TextKey kPanelLengthCaption{"Label", "3"};
inline constexpr TextKey kSweepOffsetCaption{"Label", "4"};
inline constexpr TextKey kSweepOffsetTip{"Label", "4t"};
inline constexpr TextKey kBalanceCaption{"Label", "5"};
inline constexpr TextKey kBalanceTip{"Label", "5t"};
inline constexpr TextKey kSpanCaption{"Label", "6"};
inline constexpr TextKey kSpanTip{"Label", "6t"};
inline constexpr TextKey kAreaCaption{"Label", "7"};
inline constexpr TextKey kAspectRatioCaption{"Label", "8"};
inline constexpr TextKey kMeanChordStationCaption{"Label", "9"};
inline constexpr TextKey kMeanChordStationTip{"Label", "9t"};
inline constexpr TextKey kMeanChordCaption{"Label", "10"};
inline constexpr TextKey kBalanceDistanceCaption{"Label", "11"};
inline constexpr TextKey kBalanceDistanceTip{"Label", "11t"};
inline constexpr TextKey kPanelCaption{"Label", "12"};
inline constexpr TextKey kInputsTitle{"Label", "13"};
inline constexpr TextKey kResultsTitle{"Label", "14"};
inline constexpr TextKey kMassCaption{"Label", "15"};
inline constexpr TextKey kWingLoadingCaption{"Label", "16"};
// What a screen reader says for a field of the panel grid and for the preview.
inline constexpr TextKey kPanelFieldName{"Label", "field", "%1, panel %2"};
inline constexpr TextKey kPreviewName{"Label", "preview", "Drawing of the half-wing"};
inline constexpr TextKey kPreviewDescription{
    "Label", "previewtext",
    "The half-wing to scale, root on the left: span %1, mean aerodynamic chord %2 from the root "
    "(red line), CG %3 behind the root leading edge (blue mark)."};
inline constexpr TextKey kEmptyPreviewDescription{"Label", "previewempty",
                                                  "Empty until the wing is calculated."};

inline constexpr TextKey kCalculateButton{"Button", "1"};
inline constexpr TextKey kClearButton{"Button", "2"};
inline constexpr TextKey kPrintButton{"Button", "3"};
inline constexpr TextKey kOkButton{"Button", "4"};
inline constexpr TextKey kSketchButton{"Button", "5"};
inline constexpr TextKey kCalculateTip{"ToolTipText", "1"};

inline constexpr TextKey kFileMenu{"File", "0"};
inline constexpr TextKey kOpenAction{"File", "1"};
inline constexpr TextKey kSaveAsAction{"File", "2"};
inline constexpr TextKey kPrintAction{"File", "3"};
inline constexpr TextKey kQuitAction{"File", "4"};
inline constexpr TextKey kPrintPreviewAction{"File", "5", "Print pre&view\u2026"};
inline constexpr TextKey kPrintFullSizeAction{"File", "6", "Print f&ull size\u2026"};
inline constexpr TextKey kExportOutlineAction{"File", "7", "E&xport outline\u2026"};
inline constexpr TextKey kBothHalvesAction{"File", "8", "Full size: &both halves"};
inline constexpr TextKey kPrintRibTemplatesAction{"File", "9", "Print &rib templates\u2026"};
inline constexpr TextKey kPrintCoreTemplatesAction{"File", "10",
                                                   "Print foam-&core templates\u2026"};
inline constexpr TextKey kLanguageAction{"language", "1"};
// Spelled in capitals where the chooser looks it up; sections match without regard to case.
inline constexpr TextKey kLanguageDialogTitle{"LANGUAGE", "2"};
// The locale whose Qt translations give Qt's own texts (file dialogs, standard buttons): "de",
// "pt_BR". English, Qt's own language, where a language file does not say.
inline constexpr TextKey kQtLocale{"language", "locale", "en"};
inline constexpr TextKey kHelpMenu{"Help", "0"};
inline constexpr TextKey kHelpAction{"Help", "1"};
inline constexpr TextKey kAboutAction{"Help", "2"};

// Section "Message": message boxes, dialog titles and the words around a file error.
inline constexpr TextKey kPanelErrorMessage{"Message", "1"};
inline constexpr TextKey kBalanceErrorMessage{"Message", "2"};
inline constexpr TextKey kSaveNeedsCalculationMessage{"Message", "3"};
inline constexpr TextKey kSaveDialogTitle{"Message", "4"};
inline constexpr TextKey kWingFileType{"Message", "5"};
inline constexpr TextKey kWingSavedMessage{"Message", "6"};
inline constexpr TextKey kOpenDialogTitle{"Message", "7"};
inline constexpr TextKey kErrorWord{"Message", "8"};
inline constexpr TextKey kReportedByWords{"Message", "9"};
inline constexpr TextKey kPrintNeedsCalculationMessage{"Message", "10"};
inline constexpr TextKey kPrintsOnMessage{"Message", "11"};
inline constexpr TextKey kTitlePrompt{"Message", "12"};
inline constexpr TextKey kTitleBoxTitle{"Message", "13"};
inline constexpr TextKey kDefaultSheetTitle{"Message", "14"};
inline constexpr TextKey kSheetPrintedMessage{"Message", "15"};
inline constexpr TextKey kPrintFailedMessage{"Message", "16"};
// The causes a calculation refuses beyond "Message"/"1" and "2", and two failures of the windows.
inline constexpr TextKey kPanelIncompleteMessage{
    "Message", "incomplete",
    "\"%1\" is empty: every panel you use needs both a length and a tip chord, and panel 1 also "
    "a root chord."};
inline constexpr TextKey kGapInChainMessage{
    "Message", "gap",
    "Panel %1 is empty, but a panel further out is used. Fill the panels one after another from "
    "panel 1, or empty the outer ones."};
inline constexpr TextKey kNegativeValueMessage{
    "Message", "negative",
    "\"%1\" is below zero. Chords and lengths must be positive; only the sweep may be negative."};
inline constexpr TextKey kValueTooLargeMessage{
    "Message", "toolarge", "\"%1\" is too large to calculate with. Please check the value."};
inline constexpr TextKey kLanguageNotRememberedMessage{
    "Message", "settings",
    "Your choice of language holds until Wingsheet is closed, but it cannot be remembered for the "
    "next start: %1 cannot be written (error %2: %3)."};
inline constexpr TextKey kSketchUnreadableMessage{
    "Message", "sketch", "The sketch %1 cannot be shown: the file is damaged or not a picture."};
// The commands of the File menu added since: quitting, exporting, printing at full size.
inline constexpr TextKey kUnsavedChangesMessage{
    "Message", "unsaved",
    "The wing or its tail has changes that are not saved. Save them before quitting?"};
inline constexpr TextKey kExportNeedsCalculationMessage{
    "Message", "export", "Calculate the wing first, then export it."};
inline constexpr TextKey kPdfWrittenMessage{"Message", "pdf",
                                            "The PDF has been written (pages: %1): %2"};
inline constexpr TextKey kFullSizePrintsOnMessage{"Message", "fullsizeon",
                                                  "Print the full-size plan on"};
inline constexpr TextKey kPaperPrompt{"Message", "paper", "Paper for the full-size plan:"};
inline constexpr TextKey kManyPagesMessage{"Message", "pages",
                                           "The full-size plan takes %1 pages. Print them all?"};
inline constexpr TextKey kPagesPreviewTitle{"Message", "previewtitle", "Full-size plan: %1 pages"};
inline constexpr TextKey kChoiceNotRememberedMessage{
    "Message", "remember",
    "This choice holds until Wingsheet is closed, but it cannot be remembered for the next "
    "start: %1 cannot be written (error %2: %3)."};

// Section "Print": the printed sheet's own words.
inline constexpr TextKey kSheetScaleCaption{"Print", "1"};
inline constexpr TextKey kSheetTitleCaption{"Print", "2"};
inline constexpr TextKey kSheetDateCaption{"Print", "3"};
inline constexpr TextKey kSheetNoScaleNote{
    "Print", "NoScale",
    "No scale of this sheet keeps the wing on the paper: the outline is not drawn."};

// Section "FullSize": the full-size plan, its pages and the outline files.
inline constexpr TextKey kDxfFileType{"FullSize", "1", "DXF drawing"};
inline constexpr TextKey kSvgFileType{"FullSize", "2", "SVG drawing"};
inline constexpr TextKey kExportDialogTitle{"FullSize", "3", "Export the outline"};
inline constexpr TextKey kOutlineExportedMessage{"FullSize", "4", "Outline exported to:"};
inline constexpr TextKey kPageOfPages{"FullSize", "5", "page %1 of %2"};
inline constexpr TextKey kFullSizePrintedMessage{"FullSize", "6",
                                                 "Full-size plan printed (pages: %1)."};
inline constexpr TextKey kFileCaption{"FullSize", "7", "File:"};
inline constexpr TextKey kAssemblyHeading{"FullSize", "8", "Assembling the pages"};
inline constexpr TextKey kRulerNote{
    "FullSize", "9", "Check with a ruler: the bars must measure exactly 100 mm and 4 inches."};
inline constexpr TextKey kTooLargeMessage{"FullSize", "10",
                                          "The wing is too large for a full-size plan."};
// %1 is the scissors sign the page puts beside each side to cut.
inline constexpr TextKey kCutAndLayNote{
    "FullSize", "CutHow",
    "Cut along the frame on the sides marked %1, lay on the neighbour's dashed line."};
inline constexpr TextKey kMapKeyNote{"FullSize", "MapKey", "Rows are letters, columns numbers."};

inline constexpr TextKey kAboutTitle{"About", "1"};
inline constexpr TextKey kAboutProgramName{"About", "2"};
inline constexpr TextKey kAboutDescription{"About", "4"};
inline constexpr TextKey kAboutFeatures{"About", "5"};
inline constexpr TextKey kTranslationCaption{"About", "6"};
inline constexpr TextKey kTranslatorName{"About", "translate"};
inline constexpr TextKey kTranslatorEmail{"About", "email"};

// The help window's lines ("MsgHelp" 1 to 18, then those of the later features) and its tips
// (21 to 24, then the keys), in reading order.
inline constexpr std::array<TextKey, 31> kHelpLines{{
    {"MsgHelp", "1"},
    {"MsgHelp", "2"},
    {"MsgHelp", "3"},
    {"MsgHelp", "4"},
    {"MsgHelp", "5"},
    {"MsgHelp", "6"},
    {"MsgHelp", "7"},
    {"MsgHelp", "8"},
    {"MsgHelp", "9"},
    {"MsgHelp", "10"},
    {"MsgHelp", "11"},
    {"MsgHelp", "12"},
    {"MsgHelp", "13"},
    {"MsgHelp", "14"},
    {"MsgHelp", "15"},
    {"MsgHelp", "preview", "File > Print preview... shows the sheet on the screen first."},
    {"MsgHelp", "fullsize",
     "File > Print full size... prints the wing at 1:1 over A4 or Letter pages to tape together,"},
    {"MsgHelp", "pages",
     "after a preview of the pages; without a printer it writes them into a PDF file."},
    {"MsgHelp", "export",
     "File > Export outline... writes the outline as a DXF or SVG drawing for CAD or a cutter."},
    {"MsgHelp", "halves",
     "Full size: both halves draws the whole wing in both of them, not only the half-wing."},
    {"MsgHelp", "16"},
    {"MsgHelp", "17"},
    {"MsgHelp", "stability",
     "Stability > Tail and neutral point... works out the neutral point of the wing and its tail"},
    {"MsgHelp", "stability2",
     "(or of a flying wing) and the CG for a static margin; a green mark on the drawing shows it."},
    {"MsgHelp", "ribs",
     "Ribs > Ribs and airfoils... gives every rib at its true chord: the airfoil at the root and "
     "at"},
    {"MsgHelp", "ribs2",
     "each tip (a NACA section or an imported .dat file), spacing, sheeting, edge stock, spars,"},
    {"MsgHelp", "ribs3",
     "washout and jig tabs to a flat building board; Save As... keeps them in a .ribs file beside "
     "the wing file."},
    {"MsgHelp", "templates",
     "File > Print rib templates... prints every rib at 1:1 to glue on balsa, packed on the "
     "pages;"},
    {"MsgHelp", "templates2",
     "File > Print foam-core templates... prints the root and tip templates of each panel for a "
     "hot wire."},
    {"MsgHelp", "18"},
    {"MsgHelp", "units",
     "The Units menu shows lengths in mm or inches (type 3.5, 3 1/2 or 7/16) and the weight in g "
     "or oz; files keep mm and g."},
}};
inline constexpr std::array<TextKey, 5> kHelpTips{{
    {"MsgHelp", "21"},
    {"MsgHelp", "22"},
    {"MsgHelp", "23"},
    {"MsgHelp", "24"},
    {"MsgHelp", "keys", "Keys: Ctrl+O open, Ctrl+S save as, Ctrl+P print, F1 help, Ctrl+Q quit."},
}};

// The tail and neutral-point window, its menu, its messages and its line on the sheet. Added
// after the first language files: each carries its English text.
inline constexpr TextKey kStabilityMenu{"Stability", "Menu", "&Stability"};
inline constexpr TextKey kTailAction{"Stability", "Open", "&Tail and neutral point\u2026"};
inline constexpr TextKey kStabilityTitle{"Stability", "Title", "Tail and neutral point"};
inline constexpr TextKey kNoTailCheck{"Stability", "NoTail", "&No tail (flying wing)"};
inline constexpr TextKey kWithTailChoice{"Stability", "WithTail", "&With a horizontal tail"};
inline constexpr TextKey kTailGroupTitle{"Stability", "Tail", "Horizontal tail (mm)"};
inline constexpr TextKey kTailDistanceCaption{"Stability", "Distance", "Distance to the tail:"};
inline constexpr TextKey kTailDistanceTip{
    "Stability", "DistanceTip",
    "From the leading edge at the wing root to the leading edge at the tail root, in mm"};
inline constexpr TextKey kTailPositionCaption{"Stability", "Position", "Tail position:"};
inline constexpr TextKey kTailOnFuselage{"Stability", "OnFuselage",
                                         "On the fuselage, in the wing's wake (0.60)"};
inline constexpr TextKey kTailOnFin{"Stability", "OnFin", "Partly clear of the wake (0.80)"};
inline constexpr TextKey kTailMostlyClear{"Stability", "MostlyClear",
                                          "Mostly clear of the wake (0.90)"};
inline constexpr TextKey kTailOnTop{"Stability", "TTail", "T-tail (1.00)"};
inline constexpr TextKey kOtherEfficiency{"Stability", "OtherValue", "Other value"};
inline constexpr TextKey kEfficiencyCaption{"Stability", "Efficiency", "Tail efficiency:"};
inline constexpr TextKey kEfficiencyTip{
    "Stability", "EfficiencyTip",
    "How much of the airflow's pressure the tail works with, from 0.3 to 1.0"};
inline constexpr TextKey kMarginCaption{"Stability", "Margin", "Static margin:"};
inline constexpr TextKey kMarginTip{
    "Stability", "MarginTip",
    "How far the CG lies ahead of the neutral point, in % of the MAC: 5 to 15 % is usual"};
inline constexpr TextKey kTailAreaCaption{"Stability", "TailArea", "Tail area:"};
inline constexpr TextKey kTailMeanChordCaption{"Stability", "TailMac", "Tail MAC:"};
inline constexpr TextKey kTailAspectRatioCaption{"Stability", "TailAspectRatio",
                                                 "Tail aspect ratio:"};
inline constexpr TextKey kTailArmCaption{"Stability", "TailArm", "Tail arm:"};
inline constexpr TextKey kTailArmTip{
    "Stability", "TailArmTip",
    "From the quarter-chord point of the wing's MAC to that of the tail's MAC"};
inline constexpr TextKey kTailVolumeCaption{"Stability", "TailVolume", "Tail volume:"};
inline constexpr TextKey kNeutralPointCaption{"Stability", "NeutralPoint", "Neutral point:"};
inline constexpr TextKey kNeutralPointTip{
    "Stability", "NeutralPointTip",
    "Behind the leading edge at the wing root, and in % of the MAC (green mark on the drawing)"};
inline constexpr TextKey kBalanceForMarginCaption{"Stability", "BalanceForMargin",
                                                  "CG for this margin:"};
inline constexpr TextKey kBalanceForMarginTip{
    "Stability", "BalanceForMarginTip",
    "Where to balance the model for the static margin above: behind the leading edge at the "
    "wing root, and in % of the MAC"};
inline constexpr TextKey kMarginAtBalanceCaption{"Stability", "MarginAtBalance",
                                                 "Margin at your CG:"};
inline constexpr TextKey kMarginAtBalanceTip{
    "Stability", "MarginAtBalanceTip",
    "The static margin the model has with the CG typed in the main window"};
inline constexpr TextKey kRemoveStabilityButton{"Stability", "Remove", "Remove\u2026"};
inline constexpr TextKey kRemoveStabilityTip{
    "Stability", "RemoveTip", "Remove the tail and neutral-point data from this wing"};
inline constexpr TextKey kStabilityHelpTitle{"Stability", "HelpTitle", "Method and limits"};
inline constexpr TextKey kStabilityNeedsWingMessage{
    "Stability", "NeedsWing",
    "Calculate the wing first: the neutral point is worked out from its results."};
inline constexpr TextKey kTailPanelMessage{
    "Stability", "TailPanels",
    "Check the tail panels: panel 1 needs a length and a root chord, and every panel you use "
    "needs both a length and a tip chord."};
inline constexpr TextKey kTailGapMessage{
    "Stability", "TailGap",
    "Tail panel %1 is empty, but a tail panel further out is used. Fill the tail panels one after "
    "another from panel 1, or empty the outer ones."};
// A field of the tail's grid, for a screen reader and for the messages that name it.
inline constexpr TextKey kTailFieldName{"Stability", "TailField", "%1, tail panel %2"};
// What a screen reader hears of the preview's green mark, after the preview's description.
inline constexpr TextKey kPreviewNeutralPointDescription{
    "Stability", "PreviewText", "Neutral point %1 behind the root leading edge (green mark)."};
inline constexpr TextKey kTailDistanceMessage{
    "Stability", "DistanceMessage",
    "The distance to the tail must be greater than 0: the tail lies behind the wing. Canard "
    "layouts are not covered."};
inline constexpr TextKey kTailArmMessage{
    "Stability", "TailArmMessage",
    "The tail's quarter-chord point must lie behind the wing's: make the distance to the tail "
    "larger."};
inline constexpr TextKey kEfficiencyMessage{"Stability", "EfficiencyMessage",
                                            "The tail efficiency must lie between 0.3 and 1.0."};
inline constexpr TextKey kMarginMessage{
    "Stability", "MarginMessage",
    "The static margin must lie between 0 and 100 % of the MAC; 5 to 15 % is usual."};
inline constexpr TextKey kStabilityArithmeticMessage{
    "Stability", "TooLarge",
    "The neutral point cannot be worked out from these values: check the tail panels and the "
    "distance to the tail."};
inline constexpr TextKey kStabilityReadMessage{
    "Stability", "ReadFailed",
    "The tail and neutral-point data beside the wing file cannot be read, so the wing was opened "
    "without them:"};
inline constexpr TextKey kStabilityWriteMessage{
    "Stability", "WriteFailed",
    "The wing was saved, but the tail and neutral-point data beside it could not be updated:"};
inline constexpr TextKey kStabilityCalculateTip{"Stability", "CalculateTip",
                                                "Calculate the neutral point (Enter key)"};
inline constexpr TextKey kTailSweepTip{
    "Stability", "SweepTip",
    "Distance of this panel's tip leading edge behind the leading edge at the tail root, in mm: "
    "negative for forward sweep, 0 for a straight leading edge"};
inline constexpr TextKey kStabilityCancelButton{"Stability", "Cancel", "Cancel"};
inline constexpr TextKey kChooseLayoutMessage{
    "Stability", "ChooseLayout",
    "Choose first whether the model has a horizontal tail or is a flying wing."};
// %1 is the file beside the wing that keeps the data, NAME.stab.
inline constexpr TextKey kRemoveStabilityQuestion{
    "Stability", "RemoveQuestion",
    "Remove the tail and neutral-point data from this wing? The next Save as also deletes %1."};
inline constexpr TextKey kNegativeMarginWarning{
    "Stability", "NegativeMargin",
    "Warning: the CG typed in the main window lies behind the neutral point, so the model is "
    "unstable. Move the CG forward."};
inline constexpr TextKey kTailInsideWingWarning{
    "Stability", "TailInside",
    "Warning: the tail begins inside the wing's root chord. The method counts on a tail behind "
    "the wing, so the neutral point is doubtful."};

// Section "Ribs": the ribs and airfoils window, its messages and the rib problems.
inline constexpr TextKey kRibsMenu{"Ribs", "Menu", "&Ribs"};
inline constexpr TextKey kRibsAction{"Ribs", "Open", "&Ribs and airfoils\u2026"};
inline constexpr TextKey kRibsTitle{"Ribs", "Title", "Ribs and airfoils"};
inline constexpr TextKey kAirfoilsGroupTitle{"Ribs", "Airfoils", "Airfoils"};
inline constexpr TextKey kRootAirfoilCaption{"Ribs", "Root", "Root:"};
inline constexpr TextKey kTipAirfoilCaption{"Ribs", "Tip", "Tip of panel %1:"};
inline constexpr TextKey kSameAirfoilChoice{"Ribs", "Same", "(as inward)"};
inline constexpr TextKey kImportAirfoilChoice{"Ribs", "Import", "Import a file\u2026"};
inline constexpr TextKey kRibsGroupTitle{"Ribs", "RibsGroup", "Ribs (mm)"};
inline constexpr TextKey kSpacingCaption{"Ribs", "Spacing", "Largest spacing:"};
inline constexpr TextKey kSpacingTip{
    "Ribs", "SpacingTip",
    "Ribs stand at the root, at every joint and at the tip, and evenly between them no farther "
    "apart than this; 0: at the joints only."};
inline constexpr TextKey kSheetingCaption{"Ribs", "Sheeting", "Sheeting:"};
inline constexpr TextKey kSheetingTip{"Ribs", "SheetingTip",
                                      "Each rib is inset by this all round, for the sheeting."};
inline constexpr TextKey kLeadingEdgeCutCaption{"Ribs", "LeadingEdgeCut", "Leading-edge stock:"};
inline constexpr TextKey kLeadingEdgeCutTip{"Ribs", "LeadingEdgeCutTip",
                                            "Each rib is cut back this far from its leading edge."};
inline constexpr TextKey kTrailingEdgeCutCaption{"Ribs", "TrailingEdgeCut", "Trailing-edge stock:"};
inline constexpr TextKey kTrailingEdgeCutTip{
    "Ribs", "TrailingEdgeCutTip", "Each rib is cut back this far from its trailing edge."};
inline constexpr TextKey kSparsGroupTitle{"Ribs", "Spars", "Spar notches"};
inline constexpr TextKey kSparCaption{"Ribs", "Spar", "Spar %1:"};
inline constexpr TextKey kSparPositionCaption{"Ribs", "Position", "Centre (% of chord)"};
inline constexpr TextKey kSparWidthCaption{"Ribs", "Width", "Width (mm)"};
inline constexpr TextKey kSparDepthCaption{"Ribs", "Depth", "Depth (mm)"};
inline constexpr TextKey kSparSideCaption{"Ribs", "Side", "Side"};
inline constexpr TextKey kNoSparChoice{"Ribs", "NoSpar", "none"};
inline constexpr TextKey kTopSideChoice{"Ribs", "Top", "top"};
inline constexpr TextKey kBottomSideChoice{"Ribs", "Bottom", "bottom"};
inline constexpr TextKey kBothSidesChoice{"Ribs", "Both", "top and bottom"};
inline constexpr TextKey kTwistGroupTitle{"Ribs", "Twist",
                                          "Washout at each tip (degrees, leading edge down)"};
inline constexpr TextKey kRibListTitle{"Ribs", "List", "Ribs"};
inline constexpr TextKey kRibListName{"Ribs", "ListName", "List of the ribs"};
inline constexpr TextKey kRibPanelColumn{"Ribs", "PanelColumn", "Panel"};
inline constexpr TextKey kRibNumberColumn{"Ribs", "RibColumn", "Rib"};
inline constexpr TextKey kRibStationColumn{"Ribs", "StationColumn", "Station (mm)"};
inline constexpr TextKey kRibChordColumn{"Ribs", "ChordColumn", "Chord (mm)"};
inline constexpr TextKey kRibTwistColumn{"Ribs", "TwistColumn", "Twist (\u00b0)"};
inline constexpr TextKey kRibAirfoilsColumn{"Ribs", "AirfoilsColumn", "Airfoils"};
inline constexpr TextKey kRibBlendColumn{"Ribs", "BlendColumn", "Blend"};
inline constexpr TextKey kRibProblemsColumn{"Ribs", "ProblemsColumn", "Problems"};
inline constexpr TextKey kRibDrawingTitle{"Ribs", "Drawing", "Selected rib, to scale"};
inline constexpr TextKey kRibDrawingName{"Ribs", "DrawingName", "Drawing of the selected rib"};
inline constexpr TextKey kRibDrawingDescription{"Ribs", "DrawingText",
                                                "%1: chord %2 mm, %3 mm thick, %4 mm\u00b2; %5"};
inline constexpr TextKey kRibWhole{"Ribs", "Whole", "whole"};
inline constexpr TextKey kRemoveRibsButton{"Ribs", "Remove", "Remove\u2026"};
inline constexpr TextKey kRemoveRibsTip{"Ribs", "RemoveTip", "Remove the ribs from this wing"};
inline constexpr TextKey kRemoveRibsQuestion{
    "Ribs", "RemoveQuestion",
    "Remove the ribs and airfoils from this wing? The next Save as deletes its .ribs file."};
inline constexpr TextKey kRibsCancelButton{"Ribs", "Cancel", "Cancel"};
inline constexpr TextKey kSheetingTooThickProblem{"Ribs", "SheetingTooThick",
                                                  "sheeting thicker than half the rib"};
inline constexpr TextKey kNotchTooDeepProblem{"Ribs", "NotchTooDeep",
                                              "spar %1 notched through the rib"};
inline constexpr TextKey kNotchOutsideProblem{"Ribs", "NotchOutside",
                                              "spar %1 where the rib has nothing"};
inline constexpr TextKey kNothingLeftProblem{"Ribs", "NothingLeft",
                                             "the edge stock leaves nothing"};
inline constexpr TextKey kRibsNeedWingMessage{
    "Ribs", "NeedsWing", "The ribs need a wing that calculates: enter it and press Calculate."};
inline constexpr TextKey kRibSettingMessage{"Ribs", "SettingMessage",
                                            "This value is out of range: %1."};
inline constexpr TextKey kUnknownAirfoilMessage{
    "Ribs", "UnknownAirfoil",
    "No airfoil is called %1: it is neither in the wing's files, nor a NACA four-digit section, "
    "nor a .dat file beside the wing."};
inline constexpr TextKey kTooManyRibsMessage{
    "Ribs", "TooMany", "This spacing makes more than %1 ribs: choose a larger one."};
inline constexpr TextKey kRibsReadMessage{
    "Ribs", "ReadFailed",
    "The ribs beside the wing file cannot be read, so the wing was opened without them:"};
inline constexpr TextKey kRibsWriteMessage{
    "Ribs", "WriteFailed", "The wing was saved, but the ribs beside it could not be updated:"};
inline constexpr TextKey kNoRibsMessage{
    "Ribs", "NoRibs", "This wing has no ribs yet: they are kept in %1 beside the wing file."};
inline constexpr TextKey kRibsNoSectionMessage{"Ribs", "NoSection", "It holds no [Ribs] section."};
inline constexpr TextKey kRibsBadValueMessage{"Ribs", "BadValue", "This value cannot be used: %1"};
inline constexpr TextKey kAirfoilLineMessage{"Ribs", "AtLine", "%1, line %2: %3"};
inline constexpr TextKey kAirfoilPointMessage{"Ribs", "AtPoint", "%1, point %2: %3"};
inline constexpr TextKey kAirfoilNoNumbers{"Ribs", "NoNumbers", "no coordinates"};
inline constexpr TextKey kAirfoilTooFewPoints{"Ribs", "TooFewPoints", "fewer than 10 points"};
inline constexpr TextKey kAirfoilTooManyPoints{"Ribs", "TooManyPoints", "more than 2,000 points"};
inline constexpr TextKey kAirfoilNotFinite{"Ribs", "NotFinite", "a number that is not finite"};
inline constexpr TextKey kAirfoilCountMismatch{
    "Ribs", "CountMismatch", "the point counts do not match the points that follow"};
inline constexpr TextKey kAirfoilCrossesItself{"Ribs", "Crossing", "the outline crosses itself"};
inline constexpr TextKey kImportAirfoilTitle{"Ribs", "ImportTitle", "Import an airfoil"};
inline constexpr TextKey kAirfoilFileType{"Ribs", "FileType", "Airfoil coordinates"};
inline constexpr TextKey kAirfoilRefusedMessage{"Ribs", "Refused",
                                                "This file cannot be used as an airfoil:"};
inline constexpr TextKey kAirfoilImportedMessage{"Ribs", "Imported", "%1 was imported."};
inline constexpr TextKey kAirfoilScaledNote{"Ribs", "Scaled", "Scaled by %1 to a chord of 1."};
inline constexpr TextKey kAirfoilTurnedNote{
    "Ribs", "Turned", "Turned by %1\u00b0 so that its chord lies on the axis."};
inline constexpr TextKey kAirfoilOpenEdgeNote{"Ribs", "OpenEdge",
                                              "Open trailing edge: %1 % of the chord."};
inline constexpr TextKey kAirfoilRepeatsNote{"Ribs", "Repeats", "%1 repeated points left out."};
inline constexpr TextKey kAirfoilReversedNote{"Ribs", "Reversed",
                                              "Its lower surface came first: turned round."};
// The jig tabs and the foam cores' kerf in the ribs window.
inline constexpr TextKey kJigGroupTitle{"Ribs", "JigGroup", "Jig tabs and foam cores"};
inline constexpr TextKey kJigTabsCheck{"Ribs", "JigTabs", "Jig tabs under each rib"};
inline constexpr TextKey kJigTabsTip{
    "Ribs", "JigTabsTip",
    "Two tabs on each rib reach to one flat building board, so the wing built on it gets its "
    "washout. Cut them off along the marked line once the wing is sheeted."};
inline constexpr TextKey kJigHeightCaption{"Ribs", "JigHeight", "Shortest tab (mm):"};
inline constexpr TextKey kJigFrontCaption{"Ribs", "JigFront", "Front tab (% of chord):"};
inline constexpr TextKey kJigRearCaption{"Ribs", "JigRear", "Rear tab (% of chord):"};
inline constexpr TextKey kJigWidthCaption{"Ribs", "JigWidth", "Tab width (mm):"};
inline constexpr TextKey kJigSideCaption{"Ribs", "JigSide", "Wing built:"};
inline constexpr TextKey kRightSideUpChoice{"Ribs", "RightSideUp", "right side up"};
inline constexpr TextKey kUpsideDownChoice{"Ribs", "UpsideDown", "upside down"};
inline constexpr TextKey kCoreKerfCaption{"Ribs", "CoreKerf", "Hot-wire kerf (mm):"};
inline constexpr TextKey kCoreKerfTip{
    "Ribs", "CoreKerfTip",
    "The foam-core templates are grown by half of it, so the cores come out at size."};
inline constexpr TextKey kJigTabOutsideProblem{"Ribs", "JigTabOutside",
                                               "jig tab %1 where the rib has nothing"};

// Section "Templates": the rib and foam-core templates, printed or cut, and their words.
inline constexpr TextKey kTemplatesNeedRibsMessage{
    "Templates", "NeedRibs",
    "This wing has no ribs yet: define them first under Ribs > Ribs and airfoils."};
inline constexpr TextKey kRibTemplatesNote{
    "Templates", "RibNote",
    "Cut along the black outlines. Dashed: the spars' centres and where the jig tabs come off."};
inline constexpr TextKey kCoreTemplatesNote{
    "Templates", "CoreNote",
    "Cut along the black outlines. Marks 1 to 9 stand at the same percent of the chord on root "
    "and tip; the wire enters along the straight lead-in."};
inline constexpr TextKey kRibTemplatesPrintsOn{"Templates", "RibPrintsOn",
                                               "Print the rib templates on"};
inline constexpr TextKey kRibTemplatesManyPages{"Templates", "RibPages",
                                                "The rib templates take %1 pages. Print them all?"};
inline constexpr TextKey kRibTemplatesPreviewTitle{"Templates", "RibPreview",
                                                   "Rib templates: %1 pages"};
inline constexpr TextKey kRibTemplatesPrinted{"Templates", "RibPrinted",
                                              "Rib templates printed (pages: %1)."};
inline constexpr TextKey kCoreTemplatesPrintsOn{"Templates", "CorePrintsOn",
                                                "Print the foam-core templates on"};
inline constexpr TextKey kCoreTemplatesManyPages{
    "Templates", "CorePages", "The foam-core templates take %1 pages. Print them all?"};
inline constexpr TextKey kCoreTemplatesPreviewTitle{"Templates", "CorePreview",
                                                    "Foam-core templates: %1 pages"};
inline constexpr TextKey kCoreTemplatesPrinted{"Templates", "CorePrinted",
                                               "Foam-core templates printed (pages: %1)."};
inline constexpr TextKey kTemplatesTooLargeMessage{
    "Templates", "TooLarge", "The templates need more pages than can be printed."};
// The lines written on each foam-core template: %1 the panel, %2 its airfoil; a chord and a
// twist; the tip's leading edge behind the root's; the kerf allowed for.
inline constexpr TextKey kCoreRootLine{"Templates", "CoreRoot", "Panel %1, root: %2"};
inline constexpr TextKey kCoreTipLine{"Templates", "CoreTip", "Panel %1, tip: %2"};
inline constexpr TextKey kCoreChordLine{"Templates", "CoreChord", "Chord %1 mm, twist %2\u00b0"};
inline constexpr TextKey kCoreSweepLine{"Templates", "CoreSweep", "Tip %1 mm behind the root"};
inline constexpr TextKey kCoreKerfLine{"Templates", "CoreKerfLine", "Kerf %1 mm allowed for"};

// The Units menu and the words of the units beyond millimetres and grams. The captions that name
// a unit have a second text for inches or ounces, shown in their place.
inline constexpr TextKey kUnitsMenu{"Units", "Menu", "&Units"};
inline constexpr TextKey kMillimetresChoice{"Units", "Millimetres", "&Millimetres"};
inline constexpr TextKey kInchesChoice{"Units", "Inches", "&Inches"};
inline constexpr TextKey kGramsChoice{"Units", "Grams", "&Grams"};
inline constexpr TextKey kOuncesChoice{"Units", "Ounces", "&Ounces"};
inline constexpr TextKey kInchWord{"Units", "Inch", "in"};
inline constexpr TextKey kSquareInchWord{"Units", "SquareInch", "in\u00b2"};
inline constexpr TextKey kOunceWord{"Units", "Ounce", "oz"};
inline constexpr TextKey kOunceLoadingWord{"Units", "Loading", "oz/ft\u00b2"};
inline constexpr TextKey kInputsTitleInInches{"Units", "InputsTitle", "Inputs (in)"};
inline constexpr TextKey kSweepOffsetTipInInches{
    "Units", "SweepTip",
    "Distance of this panel's tip leading edge behind the leading edge at the wing root, in "
    "inches: negative for forward sweep, 0 for a straight leading edge"};
inline constexpr TextKey kTailGroupTitleInInches{"Units", "TailTitle", "Horizontal tail (in)"};
inline constexpr TextKey kTailDistanceTipInInches{
    "Units", "DistanceTip",
    "From the leading edge at the wing root to the leading edge at the tail root, in inches"};
inline constexpr TextKey kTailSweepTipInInches{
    "Units", "TailSweepTip",
    "Distance of this panel's tip leading edge behind the leading edge at the tail root, in "
    "inches: negative for forward sweep, 0 for a straight leading edge"};
inline constexpr TextKey kHelpLengthsInInches{
    "Units", "HelpLengths", "Describe the half-wing panel by panel (all lengths in inches):"};
inline constexpr TextKey kHelpWeightInOunces{
    "Units", "HelpWeight",
    "Weight: the flying weight of the model in ounces, used for the wing loading."};
inline constexpr TextKey kRibsGroupTitleInInches{"Units", "RibsTitle", "Ribs (in)"};
inline constexpr TextKey kSparWidthCaptionInInches{"Units", "SparWidth", "Width (in)"};
inline constexpr TextKey kSparDepthCaptionInInches{"Units", "SparDepth", "Depth (in)"};
inline constexpr TextKey kRibStationColumnInInches{"Units", "StationColumn", "Station (in)"};
inline constexpr TextKey kRibChordColumnInInches{"Units", "ChordColumn", "Chord (in)"};
inline constexpr TextKey kRibDrawingDescriptionInInches{
    "Units", "DrawingText", "%1: chord %2 in, %3 in thick, %4 in\u00b2; %5"};
inline constexpr TextKey kJigHeightCaptionInInches{"Units", "JigHeight", "Shortest tab (in):"};
inline constexpr TextKey kJigWidthCaptionInInches{"Units", "JigWidth", "Tab width (in):"};
inline constexpr TextKey kCoreKerfCaptionInInches{"Units", "CoreKerf", "Hot-wire kerf (in):"};
inline constexpr TextKey kCoreChordLineInInches{"Units", "CoreChord",
                                                "Chord %1 in, twist %2\u00b0"};
inline constexpr TextKey kCoreSweepLineInInches{"Units", "CoreSweep", "Tip %1 in behind the root"};
inline constexpr TextKey kCoreKerfLineInInches{"Units", "CoreKerfLine", "Kerf %1 in allowed for"};

// The method in plain words, shown in the stability window; the exact mean of line 9 follows
// the quarter-chord points of line 2.
inline constexpr std::array<TextKey, 9> kStabilityHelpLines{{
    {"StabilityHelp", "1",
     "The neutral point is the balance point at which the model would be neither stable nor "
     "unstable. Balance it ahead of the neutral point by the static margin."},
    {"StabilityHelp", "2",
     "Wing and tail each lift at a quarter of their mean aerodynamic chord (MAC). The "
     "neutral point lies between these two points, each weighted by the lift its surface "
     "adds."},
    {"StabilityHelp", "9",
     "This is the exact mean, the tail's own share of the lift included: the tail volume "
     "alone would put the neutral point too far aft."},
    {"StabilityHelp", "3",
     "The lift of each surface follows its aspect ratio and sweep, and the wing's downwash "
     "lessens what the tail receives."},
    {"StabilityHelp", "4",
     "Describe the tail like the half-wing, panel by panel. For a V-tail, enter its projection "
     "seen from above, on the horizontal plane."},
    {"StabilityHelp", "5",
     "Distance to the tail: from the leading edge at the wing root to the leading edge at the "
     "tail root. A tail ahead of the wing (canard) is not covered."},
    {"StabilityHelp", "6",
     "Tail efficiency: 0.60 for a tail in the wing's wake, usual on a model; 0.80 or 0.90 as "
     "it sits clear of the wake, 1.00 for a T-tail; any value from 0.3 to 1.0 may be typed."},
    {"StabilityHelp", "7",
     "A static margin of 5 to 15 % of the MAC is usual: less makes the model lively and touchy, "
     "more makes it steady but needs more elevator."},
    {"StabilityHelp", "8",
     "Fuselage and propeller are neglected, so the result is a starting point: check the balance "
     "with a glide test before the first real flight."},
}};

// Every named key above, for the checks of the language files. Through std::to_array: a deduced
// std::array of more than 256 keys is beyond clang's limit of nested expressions.
inline constexpr auto kNamedTextKeys = std::to_array<TextKey>({
    kProgramCaption,
    kRootChordCaption,
    kTipChordCaption,
    kPanelLengthCaption,
    kSweepOffsetCaption,
    kSweepOffsetTip,
    kBalanceCaption,
    kBalanceTip,
    kSpanCaption,
    kSpanTip,
    kAreaCaption,
    kAspectRatioCaption,
    kMeanChordStationCaption,
    kMeanChordStationTip,
    kMeanChordCaption,
    kBalanceDistanceCaption,
    kBalanceDistanceTip,
    kPanelCaption,
    kInputsTitle,
    kResultsTitle,
    kMassCaption,
    kWingLoadingCaption,
    kPanelFieldName,
    kPreviewName,
    kPreviewDescription,
    kEmptyPreviewDescription,
    kCalculateButton,
    kClearButton,
    kPrintButton,
    kOkButton,
    kSketchButton,
    kCalculateTip,
    kFileMenu,
    kOpenAction,
    kSaveAsAction,
    kPrintAction,
    kQuitAction,
    kPrintPreviewAction,
    kPrintFullSizeAction,
    kExportOutlineAction,
    kBothHalvesAction,
    kPrintRibTemplatesAction,
    kPrintCoreTemplatesAction,
    kLanguageAction,
    kLanguageDialogTitle,
    kQtLocale,
    kHelpMenu,
    kHelpAction,
    kAboutAction,
    kPanelErrorMessage,
    kBalanceErrorMessage,
    kSaveNeedsCalculationMessage,
    kSaveDialogTitle,
    kWingFileType,
    kWingSavedMessage,
    kOpenDialogTitle,
    kErrorWord,
    kReportedByWords,
    kPrintNeedsCalculationMessage,
    kPrintsOnMessage,
    kTitlePrompt,
    kTitleBoxTitle,
    kDefaultSheetTitle,
    kSheetPrintedMessage,
    kPrintFailedMessage,
    kPanelIncompleteMessage,
    kGapInChainMessage,
    kNegativeValueMessage,
    kValueTooLargeMessage,
    kLanguageNotRememberedMessage,
    kSketchUnreadableMessage,
    kUnsavedChangesMessage,
    kExportNeedsCalculationMessage,
    kPdfWrittenMessage,
    kFullSizePrintsOnMessage,
    kPaperPrompt,
    kManyPagesMessage,
    kPagesPreviewTitle,
    kChoiceNotRememberedMessage,
    kSheetScaleCaption,
    kSheetTitleCaption,
    kSheetDateCaption,
    kSheetNoScaleNote,
    kDxfFileType,
    kSvgFileType,
    kExportDialogTitle,
    kOutlineExportedMessage,
    kPageOfPages,
    kFullSizePrintedMessage,
    kFileCaption,
    kAssemblyHeading,
    kRulerNote,
    kTooLargeMessage,
    kCutAndLayNote,
    kMapKeyNote,
    kAboutTitle,
    kAboutProgramName,
    kAboutDescription,
    kAboutFeatures,
    kTranslationCaption,
    kTranslatorName,
    kTranslatorEmail,
    kStabilityMenu,
    kTailAction,
    kStabilityTitle,
    kNoTailCheck,
    kTailGroupTitle,
    kTailDistanceCaption,
    kTailDistanceTip,
    kTailPositionCaption,
    kTailOnFuselage,
    kTailOnFin,
    kTailOnTop,
    kOtherEfficiency,
    kEfficiencyCaption,
    kEfficiencyTip,
    kMarginCaption,
    kMarginTip,
    kTailAreaCaption,
    kTailMeanChordCaption,
    kTailAspectRatioCaption,
    kTailArmCaption,
    kTailArmTip,
    kTailVolumeCaption,
    kNeutralPointCaption,
    kNeutralPointTip,
    kBalanceForMarginCaption,
    kBalanceForMarginTip,
    kMarginAtBalanceCaption,
    kMarginAtBalanceTip,
    kRemoveStabilityButton,
    kRemoveStabilityTip,
    kStabilityHelpTitle,
    kStabilityNeedsWingMessage,
    kTailPanelMessage,
    kTailGapMessage,
    kTailFieldName,
    kPreviewNeutralPointDescription,
    kTailDistanceMessage,
    kTailArmMessage,
    kEfficiencyMessage,
    kMarginMessage,
    kStabilityArithmeticMessage,
    kStabilityReadMessage,
    kStabilityWriteMessage,
    kWithTailChoice,
    kTailMostlyClear,
    kStabilityCalculateTip,
    kTailSweepTip,
    kStabilityCancelButton,
    kChooseLayoutMessage,
    kRemoveStabilityQuestion,
    kNegativeMarginWarning,
    kTailInsideWingWarning,
    kRibsMenu,
    kRibsAction,
    kRibsTitle,
    kAirfoilsGroupTitle,
    kRootAirfoilCaption,
    kTipAirfoilCaption,
    kSameAirfoilChoice,
    kImportAirfoilChoice,
    kRibsGroupTitle,
    kSpacingCaption,
    kSpacingTip,
    kSheetingCaption,
    kSheetingTip,
    kLeadingEdgeCutCaption,
    kLeadingEdgeCutTip,
    kTrailingEdgeCutCaption,
    kTrailingEdgeCutTip,
    kSparsGroupTitle,
    kSparCaption,
    kSparPositionCaption,
    kSparWidthCaption,
    kSparDepthCaption,
    kSparSideCaption,
    kNoSparChoice,
    kTopSideChoice,
    kBottomSideChoice,
    kBothSidesChoice,
    kTwistGroupTitle,
    kRibListTitle,
    kRibListName,
    kRibPanelColumn,
    kRibNumberColumn,
    kRibStationColumn,
    kRibChordColumn,
    kRibTwistColumn,
    kRibAirfoilsColumn,
    kRibBlendColumn,
    kRibProblemsColumn,
    kRibDrawingTitle,
    kRibDrawingName,
    kRibDrawingDescription,
    kRibWhole,
    kRemoveRibsButton,
    kRemoveRibsTip,
    kRemoveRibsQuestion,
    kSheetingTooThickProblem,
    kNotchTooDeepProblem,
    kNotchOutsideProblem,
    kNothingLeftProblem,
    kRibsNeedWingMessage,
    kRibSettingMessage,
    kUnknownAirfoilMessage,
    kTooManyRibsMessage,
    kRibsReadMessage,
    kRibsWriteMessage,
    kNoRibsMessage,
    kRibsNoSectionMessage,
    kRibsBadValueMessage,
    kAirfoilLineMessage,
    kAirfoilPointMessage,
    kAirfoilNoNumbers,
    kAirfoilTooFewPoints,
    kAirfoilTooManyPoints,
    kAirfoilNotFinite,
    kAirfoilCountMismatch,
    kAirfoilCrossesItself,
    kImportAirfoilTitle,
    kAirfoilFileType,
    kAirfoilRefusedMessage,
    kAirfoilImportedMessage,
    kAirfoilScaledNote,
    kAirfoilTurnedNote,
    kAirfoilOpenEdgeNote,
    kAirfoilRepeatsNote,
    kAirfoilReversedNote,
    kJigGroupTitle,
    kJigTabsCheck,
    kJigTabsTip,
    kJigHeightCaption,
    kJigFrontCaption,
    kJigRearCaption,
    kJigWidthCaption,
    kJigSideCaption,
    kRightSideUpChoice,
    kUpsideDownChoice,
    kCoreKerfCaption,
    kCoreKerfTip,
    kJigTabOutsideProblem,
    kRibsCancelButton,
    kTemplatesNeedRibsMessage,
    kRibTemplatesNote,
    kCoreTemplatesNote,
    kRibTemplatesPrintsOn,
    kRibTemplatesManyPages,
    kRibTemplatesPreviewTitle,
    kRibTemplatesPrinted,
    kCoreTemplatesPrintsOn,
    kCoreTemplatesManyPages,
    kCoreTemplatesPreviewTitle,
    kCoreTemplatesPrinted,
    kTemplatesTooLargeMessage,
    kCoreRootLine,
    kCoreTipLine,
    kCoreChordLine,
    kCoreSweepLine,
    kCoreKerfLine,
    kUnitsMenu,
    kMillimetresChoice,
    kInchesChoice,
    kGramsChoice,
    kOuncesChoice,
    kInchWord,
    kSquareInchWord,
    kOunceWord,
    kOunceLoadingWord,
    kInputsTitleInInches,
    kSweepOffsetTipInInches,
    kTailGroupTitleInInches,
    kTailDistanceTipInInches,
    kTailSweepTipInInches,
    kHelpLengthsInInches,
    kHelpWeightInOunces,
    kRibsGroupTitleInInches,
    kSparWidthCaptionInInches,
    kSparDepthCaptionInInches,
    kRibStationColumnInInches,
    kRibChordColumnInInches,
    kRibDrawingDescriptionInInches,
    kJigHeightCaptionInInches,
    kJigWidthCaptionInInches,
    kCoreKerfCaptionInInches,
    kCoreChordLineInInches,
    kCoreSweepLineInInches,
    kCoreKerfLineInInches,
});
