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
inline constexpr TextKey kLanguageAction{"language", "1"};
// Spelled in capitals where the chooser looks it up; sections match without regard to case.
inline constexpr TextKey kLanguageDialogTitle{"LANGUAGE", "2"};
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

// Section "Print": the printed sheet's own words.
inline constexpr TextKey kSheetScaleCaption{"Print", "1"};
inline constexpr TextKey kSheetTitleCaption{"Print", "2"};
inline constexpr TextKey kSheetDateCaption{"Print", "3"};

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

inline constexpr TextKey kAboutTitle{"About", "1"};
inline constexpr TextKey kAboutProgramName{"About", "2"};
inline constexpr TextKey kAboutDescription{"About", "4"};
inline constexpr TextKey kAboutFeatures{"About", "5"};
inline constexpr TextKey kTranslationCaption{"About", "6"};
inline constexpr TextKey kTranslatorName{"About", "translate"};
inline constexpr TextKey kTranslatorEmail{"About", "email"};

// The help window's lines ("MsgHelp" 1 to 18) and its tips (21 to 24), in reading order.
inline constexpr std::array<TextKey, 18> kHelpLines{{
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
    {"MsgHelp", "16"},
    {"MsgHelp", "17"},
    {"MsgHelp", "18"},
}};
inline constexpr std::array<TextKey, 4> kHelpTips{{
    {"MsgHelp", "21"},
    {"MsgHelp", "22"},
    {"MsgHelp", "23"},
    {"MsgHelp", "24"},
}};

// Every named key above, for the checks of the language files.
inline constexpr std::array kNamedTextKeys{
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
    kLanguageAction,
    kLanguageDialogTitle,
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
    kGapInChainMessage,
    kNegativeValueMessage,
    kValueTooLargeMessage,
    kLanguageNotRememberedMessage,
    kSketchUnreadableMessage,
    kSheetScaleCaption,
    kSheetTitleCaption,
    kSheetDateCaption,
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
    kAboutTitle,
    kAboutProgramName,
    kAboutDescription,
    kAboutFeatures,
    kTranslationCaption,
    kTranslatorName,
    kTranslatorEmail,
};
