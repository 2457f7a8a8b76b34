#pragma once
// Readers and writers of the input and output files. Each reader returns true when the whole
// file was read; on failure it has shown one message (fixed title and text, CR LF, a
// description naming the file, the line and the field) through the sink.
// Each reader also comes in a form that reads from text already in memory (for tests and
// fuzzing); `name` then stands in for the path in messages.
#include <string>
#include <string_view>

#include "data/key_tables.hpp"
#include "data/message.hpp"
#include "data/phero_table.hpp"
#include "data/statistics_tables.hpp"
#include "data/types.hpp"

namespace antkeys {

// KeyDefs.txt: code, hand, finger, column, row, alternate flag. Adds a companion after
// every flagged key.
bool LoadKeyDefs(const std::string& path, KeyTables& keys, MessageSink& sink);
bool LoadKeyDefsText(std::string content, const std::string& name, KeyTables& keys,
                     MessageSink& sink);

// DiGraphs.txt: first code, second code, count. Every line is one entry, in file order (a pair
// listed twice is two entries).
bool LoadDiGraphs(const std::string& path, DigraphTables& digraphs, MessageSink& sink);
bool LoadDiGraphsText(std::string content, const std::string& name, DigraphTables& digraphs,
                      MessageSink& sink);

// Kdi.txt: 5 lines of a label and 5 finger-pair values.
bool LoadKdi(const std::string& path, KdiTable& kdi, MessageSink& sink);
bool LoadKdiText(std::string content, const std::string& name, KdiTable& kdi, MessageSink& sink);

// Gj.txt: 6 lines of a label and a weight; also sums them into gjSum.
bool LoadGj(const std::string& path, GjTable& gj, Double& gjSum, MessageSink& sink);
bool LoadGjText(std::string content, const std::string& name, GjTable& gj, Double& gjSum,
                MessageSink& sink);

// BestLoad.txt: 9 column weights, 6 row weights; the target share of every key.
bool LoadBestLoad(const std::string& path, const KeyTables& keys, BestLoadTable& bestLoad,
                  MessageSink& sink);
bool LoadBestLoadText(std::string content, const std::string& name, const KeyTables& keys,
                      BestLoadTable& bestLoad, MessageSink& sink);

// The reference layout: fills `lay` and builds the letters, fixed keys and initial pheromones.
bool LoadRefKeyLay(const std::string& path, const KeyTables& keys, Layout& lay,
                   LetterTables& letters, PheroTable& phero, MessageSink& sink);
bool LoadRefKeyLayText(std::string content, const std::string& path, const KeyTables& keys,
                       Layout& lay, LetterTables& letters, PheroTable& phero, MessageSink& sink);

// Any layout file (a best-layout file, a dropped file): clears `lay` and fills it. `lines`,
// when given, receives the number of non-empty lines after the header that were read.
bool LoadKeyLay(const std::string& path, const KeyTables& keys, Layout& lay, MessageSink& sink,
                int* lines = nullptr);
bool LoadKeyLayText(std::string content, const std::string& path, const KeyTables& keys,
                    Layout& lay, MessageSink& sink, int* lines = nullptr);

// A layout file with the fixed flag: as LoadKeyLay, and `fixed` marks every character whose
// line has a third field that is a number other than 0. A line without a third field (a
// best-layout file) is free; a third field that is not a number is a fault.
bool LoadFixedKeyLay(const std::string& path, const KeyTables& keys, Layout& lay, CharFlags& fixed,
                     MessageSink& sink, int* lines = nullptr);
bool LoadFixedKeyLayText(std::string content, const std::string& path, const KeyTables& keys,
                         Layout& lay, CharFlags& fixed, MessageSink& sink, int* lines = nullptr);

// The lines of a layout: "code<TAB>key code<CR LF>" for every placed character, ascending.
std::string GetLayStr(const Layout& lay, const KeyTables& keys);
// The same with the fixed flag: "code<TAB>key code<TAB>1 or 0<CR LF>", as the reference
// layout file has it.
std::string GetFixedLayStr(const Layout& lay, const KeyTables& keys, const CharFlags& fixed);

// File name of a best layout: grade (percent) as "000", '_', counter, ".txt".
std::string BestLayFileName(Single gradePercent, Long counter);

// Writes a best-layout file into outFolder (created when missing). Returns the path written,
// or an empty string after reporting the failure (path and reason) through the sink.
std::string SaveBestLay(const std::string& outFolder, Single gradePercent, Long counter,
                        const Layout& best, const KeyTables& keys, MessageSink& sink);

// The pheromone store: replaces the rows it holds and keeps what it read before a fault. A
// byte order mark before the first line is skipped.
enum class StoreLoad { Missing, Loaded, Unreadable };
// A missing file changes nothing. After a fault, `description` names the file, the line, the
// field and the fault.
StoreLoad ReadPheroStore(const std::string& path, PheroTable& phero, std::string& description);
bool ReadPheroText(std::string content, const std::string& name, PheroTable& phero,
                   std::string& description);
// One line per key index, the letters' values TAB-separated, CR LF after each line.
std::string GetPheroStr(const PheroTable& phero);

// Writes the store when `aco` is set, through a temporary file renamed over the old store.
// Returns false after reporting a failure; the table is never touched.
bool SavePhero(const std::string& path, bool aco, const PheroTable& phero, MessageSink& sink);

}  // namespace antkeys
