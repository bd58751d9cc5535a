#pragma once
// The number of every menu, toolbar and key command. The numbers are those the command
// table, the menus and the view's dispatch share; code names a command by its constant.
// Commands without a handler are listed too, since their keys and menu entries exist.
namespace vellum::command {

// File
inline constexpr int kNew = 57600;        // the open dialog
inline constexpr int kOpenInert = 57601;  // Ctrl+O: handled, does nothing
inline constexpr int kSave = 57603;       // never enabled
inline constexpr int kSaveAs = 57604;     // never enabled
inline constexpr int kPrintSetup = 57606; // never enabled
inline constexpr int kPrint = 57607;      // never enabled
inline constexpr int kPrintPreview = 57609;
inline constexpr int kRecentFiles = 57616;
inline constexpr int kExit = 57665;
inline constexpr int kImportCommandLine = 153;
inline constexpr int kImportViewSettings = 154;
inline constexpr int kImportBackup = 270;
inline constexpr int kImportStl = 272;
inline constexpr int kExportImage = 155;
inline constexpr int kExportNodes = 274;
inline constexpr int kExportElements = 156;
inline constexpr int kExportCommandLine = 157;
inline constexpr int kExportViewSettings = 158;

// Edit and view
inline constexpr int kUndo = 57643; // keys without a handler
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634; // the picture to the clipboard
inline constexpr int kPaste = 57637;
inline constexpr int kToolbar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kNextPane = 57680; // F6 and Shift+F6: keys without a handler
inline constexpr int kPreviousPane = 57681;

// Settings, options and help
inline constexpr int kChangeColumn = 142;
inline constexpr int kSettings = 144;
inline constexpr int kCrossSection = 145;
inline constexpr int kSpecificElements = 146;
inline constexpr int kWindow = 147;
inline constexpr int kEditPaths = 148;
inline constexpr int kSavedItems = 149;
inline constexpr int kWeb = 150;
inline constexpr int kAbout = 57664;

// The settings sheet opened at one page.
inline constexpr int kPageStyle = 178;
inline constexpr int kPageOptions = 179;
inline constexpr int kPagePosition = 180;
inline constexpr int kPageColour = 181;
inline constexpr int kPageGrid = 182;
inline constexpr int kPageGridValues = 268;
inline constexpr int kPageLegend = 183;
inline constexpr int kPageAxes = 184;
inline constexpr int kPageLabels = 185;

// The camera.
inline constexpr int kInitialiseView = 200;
inline constexpr int kRedraw = 267;
inline constexpr int kIsometricView = 201;
inline constexpr int kPlane12View = 202;
inline constexpr int kPlane23View = 203;
inline constexpr int kPlane31View = 204;
inline constexpr int kTurnAxis1Plus = 205; // five degrees about axis 1, each way
inline constexpr int kTurnAxis1Minus = 206;
inline constexpr int kTurnAxis2Plus = 207;
inline constexpr int kTurnAxis2Minus = 208;
inline constexpr int kTurnAxis3Plus = 209;
inline constexpr int kTurnAxis3Minus = 210;
inline constexpr int kZoomIn = 265;
inline constexpr int kZoomOut = 266;

// What a left-button drag does: modes 0 to 14 in order, then the selection zoom (mode 15).
inline constexpr int kMouseTurnAxes12 = 224;
inline constexpr int kMouseTurnAxis3 = 225;
inline constexpr int kMouseMoveGraph = 226;
inline constexpr int kMouseScaleGraph = 227;
inline constexpr int kMouseMoveLegend = 228;
inline constexpr int kMouseScaleLegend = 229;
inline constexpr int kMouseMoveAxes = 230;
inline constexpr int kMouseScaleAxes = 231;
inline constexpr int kMouseMoveGridValues1 = 232;
inline constexpr int kMouseMoveGridValues2 = 233;
inline constexpr int kMouseMoveGridValues3 = 234;
inline constexpr int kMouseMoveTitle = 235;
inline constexpr int kMouseMoveLabel1 = 236;
inline constexpr int kMouseMoveLabel2 = 237;
inline constexpr int kMouseMoveLabel3 = 238;
inline constexpr int kSelectionZoom = 223;

// Probes: the pinned values, their copy as text, the extremes' markers.
inline constexpr int kPinnedProbes = 300;
inline constexpr int kCopyPins = 301;
inline constexpr int kShowExtremes = 302;

// Result series: stepping through the steps, playing them, one legend range for them all.
inline constexpr int kNextStep = 310;
inline constexpr int kPreviousStep = 311;
inline constexpr int kFirstStep = 312;
inline constexpr int kLastStep = 313;
inline constexpr int kPlaySeries = 314; // starts or stops the playback
inline constexpr int kSeriesFixedRange = 315;

// The interface language (Options > Language), kept in the profile.
inline constexpr int kLanguageJapanese = 320;
inline constexpr int kLanguageEnglish = 321;

} // namespace vellum::command
