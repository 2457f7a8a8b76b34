#pragma once
// The Georgian captions of the windows, kept as single-byte strings of the Georgian
// typewriter charset (GEORGIAN-PS) that "Geo_Arial" shows. Show them with CaptionText()
// (ui/caption_language.hpp): the installed catalogue's translation, or the Georgian converted
// to Unicode where that face is missing. A new caption needs its entry in translations/*.ts.

namespace antkeys::captions {

// labIterN (iteration number)
inline constexpr const char* kIterNCaption =
    "\xC9\xD4\xC4\xD2\xC0\xDD\xC9\xC9\xD3"
    " #:";
// labAnts (ants)
inline constexpr const char* kAntsCaption = "\xE0\xC9\xC0\xCD\xE0\xC5\xC4\xCB\xC4\xC1\xC9";
// labSens (weight given to pheromones)
inline constexpr const char* kSensCaption =
    "\xD7\xC4\xD2\xCF\xCC\xCF\xCD\xC4\xC1\xC9\xD3"
    " \xC2\xC0\xC8\xC5\xC0\xCB\xC9\xD3\xDF\xC9\xCD\xC4\xC1\xC0";
// Label3 (influence on pheromones)
inline constexpr const char* kPheroModifCaption =
    "\xD7\xC4\xD2\xCF\xCC\xCF\xCD\xC4\xC1\xC6\xC4"
    " \xC2\xC0\xC5\xCB\xC4\xCD\xC0";
// chkACO (ACO algorithm)
inline constexpr const char* kAcoCaption = "ACO \xC0\xCB\xC2\xCF\xD2\xC9\xC8\xCC\xC9";
// chkDrawGraph (graph)
inline constexpr const char* kDrawGraphCaption =
    "\xC2\xD2\xC0\xD7\xC9\xCA\xC9"
    " ->";
// cmdRun (start)
inline constexpr const char* kRunCaption = "\xC3\xC0\xDF\xDA\xC4\xC1\xC0";
// cmdStop (stop)
inline constexpr const char* kStopCaption = "\xDB\xC4\xDC\xC4\xD2\xC4\xC1\xC0";
// cmdClearPhero (clear pheromones)
inline constexpr const char* kClearPheroCaption =
    "\xD7\xC4\xD2\xCF\xCC\xCF\xCD\xC4\xC1\xC9\xD3"
    " \xDF\xC0\xDB\xCB\xC0";
// cmdShowPhero (view pheromones)
inline constexpr const char* kShowPheroCaption =
    "\xD7\xC4\xD2\xCF\xCC\xCF\xCD\xC4\xC1\xC9\xD3"
    " \xCD\xC0\xE1\xC5\xC0";
// cmdShowBestLay (view the best layout)
inline constexpr const char* kShowBestLayCaption =
    "\xD3\xC0\xD6\xCA\xC4\xC8\xC4\xD3\xCF"
    " \xC2\xC0\xCD\xCB\xC0\xC2\xC4\xC1\xC9\xD3"
    " \xCD\xC0\xE1\xC5\xC0";
// Label6 (reference layout)
inline constexpr const char* kRefColumnCaption =
    "\xD3\xC0\xCD\xC9\xCC\xD6\xDB\xCF"
    " \xC2\xC0\xCD\xCB"
    ".";
// Label7 (current, absolute and relative)
inline constexpr const char* kCurrColumnCaption =
    "\xCC\xC9\xCC\xC3\xC9\xCD\xC0\xD2\xC4"
    ".(\xC0\xC1\xD3"
    "./\xD7\xC0\xD2\xC3"
    ".)";
// Label1 (best)
inline constexpr const char* kBestColumnCaption = "\xD3\xC0\xD6\xCA\xC4\xC8\xC4\xD3\xCF";
// labGrOff (Y axis)
inline constexpr const char* kGrOffCaption = "Y \xD9\xC4\xD2\xDE\xC9";
// labGrScale (scale)
inline constexpr const char* kGrScaleCaption = "\xCC\xC0\xD3\xDB\xD4\xC0\xC1\xC9";
// labAvrgGrade (average)
inline constexpr const char* kAvrgGradeCaption = "\xD3\xC0\xDB\xD6\xC0\xCB\xCF";
// frmLay Label1 (refresh interval)
inline constexpr const char* kRefrIntervalCaption =
    "\xC2\xC0\xCD\xC0\xE1\xCB"
    ". \xC9\xCD\xD4"
    ".";
// frmLay labAGr (absolute score)
inline constexpr const char* kAGradeCaption =
    "\xC0\xC1\xD3"
    ". \xCC\xC0\xDC\xC5\xC4\xCD\xC4\xC4\xCB\xC9";
// frmLay Label2 (relative)
inline constexpr const char* kRGradeCaption = "\xD7\xC0\xD2\xC3\xCF\xC1\xC9\xC8\xC9";
// frmPhero Label1 (character)
inline constexpr const char* kLetterCaption =
    "\xC0\xD3\xCF"
    "-\xCD\xC9\xDB\xC0\xCD\xC9";
// frmPhero chkAutoRefresh (automatic refresh)
inline constexpr const char* kAutoRefreshCaption =
    "\xC0\xC5\xD4\xCF\xC2\xC0\xCD\xC0\xE1\xCB\xC4\xC1\xC0";
// frmPhero Label2 (legend: circle size is the pheromone on the key for the chosen character; x
// marks forbidden keys)
inline constexpr const char* kPheroLegendCaption =
    "\xDF\xD2\xC4\xDF\xC9\xD2\xC9\xD3"
    " \xD3\xC9\xC3\xC9\xC3\xC4"
    " \xC0\xDC\xC5\xC4\xCD\xC4\xC1\xD3"
    " \xD7\xC4\xD2\xCF\xCC\xC4\xCD\xC9\xD3"
    " \xD3\xC9\xC3\xC9\xC3\xC4\xD3"
    " \xDB\xC4\xD3\xC0\xC1\xC0\xCC\xC9\xD3"
    " \xCA\xCB\xC0\xC5\xC9\xDB\xC0\xC6\xC4"
    " (\xC0\xD2\xDC\xC4\xD6\xCB\xC9"
    " \xC0\xD3\xCF"
    "-\xCD\xC9\xDB\xCD\xC9\xD3\xC0\xC8\xC5\xC9\xD3"
    "). x-\xC9\xC8"
    " \xC0\xD9\xCD\xC9\xDB\xCD\xD6\xCB\xC9\xC0"
    " \xC0\xD3\xCF"
    "-\xCD\xC9\xDB\xCD\xC9\xD3\xC0\xC8\xC5\xC9\xD3"
    " \xC0\xCA\xD2\xDE\xC0\xCB\xD6\xCB\xC9"
    " \xCA\xCB\xC0\xC5\xC9\xDB\xC4\xC1\xC9";

// frmLay edit panel: its title (editing), its rows (value, change), the grade column
// (grade) and the note while an improvement runs (improving...)
inline constexpr const char* kEditCaption = "\xD2\xC4\xC3\xC0\xD8\xD4\xC9\xD2\xC4\xC1\xC0";
inline constexpr const char* kEditValueCaption = "\xCC\xCD\xC9\xDB\xC5\xCD\xC4\xCB\xCF\xC1\xC0";
inline constexpr const char* kEditChangeCaption = "\xDD\xC5\xCB\xC9\xCB\xC4\xC1\xC0";
inline constexpr const char* kEditGradeCaption = "\xDB\xC4\xD7\xC0\xD3\xC4\xC1\xC0";
inline constexpr const char* kImprovingCaption =
    "\xC2\xC0\xD6\xCC\xE3\xCF\xC1\xC4\xD3\xC4\xC1\xC0"
    "...";

}  // namespace antkeys::captions
