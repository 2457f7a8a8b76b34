#pragma once
// Every fixed title and text that antkeys shows, in one place.

namespace antkeys::msg {

inline constexpr const char* kProgramTitle = "antkeys";

inline constexpr const char* kKeyDefsTitle = "Fatal Error";
inline constexpr const char* kKeyDefsText = "Error Loading KeyDefinitions!!!";

inline constexpr const char* kKeyIdTitle = "Unexpected Error";
inline constexpr const char* kKeyIdText = "Error in KeyCode2KeyID";

inline constexpr const char* kDigraphsTitle = "Error Loading  Digraphs";
inline constexpr const char* kDigraphsText = "Error Loading Dirgaphs";

inline constexpr const char* kBestLoadTitle = "Error Loading  Best Load";
inline constexpr const char* kBestLoadText = "Error Loading Best Load";
inline constexpr const char* kKdiTitle = "Error Loading  Kdi";
inline constexpr const char* kKdiText = "Error Loading Kdi";
inline constexpr const char* kGjTitle = "Error Loading  KGj";
inline constexpr const char* kGjText = "Error Loading Gj";

// The trigram counts are read only to explain a layout; their texts are ours.
inline constexpr const char* kTrigraphsTitle = "Error Loading Trigraphs";
inline constexpr const char* kTrigraphsText = "Error Loading Trigraphs";

// A folder's own character map is ours too.
inline constexpr const char* kCharsetTitle = "Error Loading Character Map";
inline constexpr const char* kCharsetText = "Error Loading Character Map";

inline constexpr const char* kLayoutTitle = "Error Loading Layout";
inline constexpr const char* kRefLayoutText = "Error Reference Loading Layout from:";
inline constexpr const char* kCustomLayoutText = "Error Loading Custom Layout from:";

inline constexpr const char* kPheroLoadText = "Error Loading Pheromones";

inline constexpr const char* kAnalizerTitle = "Error Initing Analizer";
inline constexpr const char* kAnalizerText = "Error Initing KeyAnalizer";

inline constexpr const char* kGenRndKeyTitle = "ERROR";
inline constexpr const char* kGenRndKeyText = "Unexpected Error In GenRndKey!";

inline constexpr const char* kDropTitle = "ERROR";
inline constexpr const char* kDropTextPrefix = "Error:";

// Failures to write files; these are ours, the loaders' texts above are fixed.
inline constexpr const char* kWriteTitle = "Error Saving File";
inline constexpr const char* kBestLayWriteText = "Error Saving Best Layout";
inline constexpr const char* kPheroWriteText = "Error Saving Pheromones";
inline constexpr const char* kOutFolderText =
    "The Out folder cannot be used: no best layout and no pheromone store can be saved";

// Run parameters that are not numbers.
inline constexpr const char* kParamTitle = "Invalid Parameter";

}  // namespace antkeys::msg
