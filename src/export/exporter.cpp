#include "export/exporter.hpp"

#include <array>

#include "export/keylayout_exporter.hpp"
#include "export/klc_exporter.hpp"
#include "export/kle_exporter.hpp"
#include "export/xkb_symbols.hpp"

namespace antkeys {

std::span<const Exporter* const> Exporters() {
    static const std::array<const Exporter*, 4> all{&XkbExporter(), &KlcExporter(),
                                                    &KeylayoutExporter(), &KleExporter()};
    return all;
}

const Exporter& ExporterFor(ExportFormat format) {
    for (const Exporter* e : Exporters())
        if (e->format() == format) return *e;
    return XkbExporter();
}

}  // namespace antkeys
