#pragma once
// keyboard-layout-editor.com JSON (the raw data: a metadata object, then one array per row
// of keys): an ANSI keyboard whose typing keys show their US legend and, below it, the
// layout's character, so a layout can be shown and shared in a browser.
#include "export/exporter.hpp"

namespace antkeys {

const Exporter& KleExporter();

}  // namespace antkeys
