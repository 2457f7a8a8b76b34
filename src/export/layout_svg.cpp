#include "export/layout_svg.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "data/charset.hpp"
#include "data/key_geometry.hpp"
#include "data/number_format.hpp"

namespace antkeys {
namespace {

constexpr double kPitch = 72;  // pixels per key width
constexpr double kGap = 6;     // between two keys
constexpr double kMargin = 24;
constexpr double kKeyboardTop = 112;
constexpr const char* kFont = "DejaVu Sans, Noto Sans Georgian, Noto Sans Armenian, sans-serif";

// Shades from a light cream (no load) to a deep red (the highest load of the picture).
struct Rgb {
    double r, g, b;
};
constexpr Rgb kLight{255, 247, 236};
constexpr Rgb kDeep{200, 40, 28};

std::string Colour(double t) {
    t = std::clamp(t, 0.0, 1.0);
    const auto mix = [t](double a, double b) {
        return static_cast<int>(std::lround(a + (b - a) * t));
    };
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", mix(kLight.r, kDeep.r),
                  mix(kLight.g, kDeep.g), mix(kLight.b, kDeep.b));
    return text;
}

std::string Px(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    return text;
}

void Text(std::ostringstream& out, double x, double y, double size, const std::string& fill,
          const std::string& anchor, const std::string& text, bool bold = false) {
    out << "<text x=\"" << Px(x) << "\" y=\"" << Px(y) << "\" font-family=\"" << kFont
        << "\" font-size=\"" << Px(size) << "\" fill=\"" << fill << "\" text-anchor=\"" << anchor
        << '"' << (bold ? " font-weight=\"bold\"" : "") << '>' << text << "</text>\n";
}

// Load and target of a box: a flagged key's box stands for its companion too.
std::pair<double, double> BoxShares(const KeyBox& box, const LayoutPictureData& data,
                                    const KeyTables& keys) {
    const auto k = static_cast<std::size_t>(box.key);
    double load = k <= kMaxKeys ? data.load[k] : 0;
    double target = k <= kMaxKeys ? data.target[k] : 0;
    if (keys.alters[k] != 0 && static_cast<int>(k) < keys.nKeys() && k + 1 <= kMaxKeys) {
        load += data.load[k + 1];
        target += data.target[k + 1];
    }
    return {load, target};
}

// Finger-use bars: per hand and finger the share of keystrokes beside the target share, from
// the left little finger to the right one.
constexpr double kFingerHeight = 150;  // the section under the keyboard
constexpr double kBarHeight = 84;      // the tallest bar
constexpr const char* kFingerNames[2][6] = {
    {"", "L thumb", "L index", "L middle", "L ring", "L little"},
    {"", "R thumb", "R index", "R middle", "R ring", "R little"}};

void FingerBars(std::ostringstream& out, const LayoutPictureData& data, const KeyTables& keys,
                double top, double width) {
    double share[2][6] = {}, target[2][6] = {};
    const int nKeys = std::min(keys.nKeys(), kMaxKeys);
    for (int k = 1; k <= nKeys; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const int finger = keys.fingers[i];
        if (finger < 1 || finger > 5) continue;
        const int hand = keys.hands[i] == 0 ? 0 : 1;
        share[hand][finger] += data.load[i];
        target[hand][finger] += data.target[i];
    }
    double highest = 0;
    for (int h = 0; h < 2; ++h)
        for (int f = 1; f <= 5; ++f) highest = std::max({highest, share[h][f], target[h][f]});

    Text(out, kMargin, top + 14, 13, "#333333", "start",
         "Finger use: share of keystrokes (filled) beside the target share (outlined)");
    const double slot = width / 10;
    const double barW = std::min(22.0, slot / 3);
    const double base = top + 28 + kBarHeight;
    int n = 0;
    for (int h = 0; h < 2; ++h) {
        for (int step = 0; step < 5; ++step, ++n) {
            const int f = h == 0 ? 5 - step : step + 1;  // as the hands sit
            const double cx = kMargin + slot * (n + 0.5);
            const double hs = highest > 0 ? kBarHeight * share[h][f] / highest : 0;
            const double ht = highest > 0 ? kBarHeight * target[h][f] / highest : 0;
            out << "<rect x=\"" << Px(cx - barW - 1) << "\" y=\"" << Px(base - hs) << "\" width=\""
                << Px(barW) << "\" height=\"" << Px(hs) << "\" fill=\"" << Colour(0.85) << "\"/>\n";
            out << "<rect x=\"" << Px(cx + 1) << "\" y=\"" << Px(base - ht) << "\" width=\""
                << Px(barW) << "\" height=\"" << Px(ht)
                << "\" fill=\"none\" stroke=\"#555555\" stroke-width=\"1.5\"/>\n";
            Text(out, cx, base + 16, 11, "#222222", "middle", kFingerNames[h][f]);
            Text(out, cx, base + 30, 10, "#222222", "middle",
                 FormatPercent(share[h][f]) + " / " + FormatPercent(target[h][f]));
        }
    }
}

}  // namespace

std::string XmlEscape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string CharacterLabel(Byte code, const CharacterMap& chars) {
    if (code == 32) return "\u2423";
    if (!chars.Shows(code)) return "#" + std::to_string(code);
    return XmlEscape(chars.Utf8(code));
}

LayoutPictureData PictureOfLayout(const Layout& lay, const Workspace& ws) {
    LayoutPictureData data;
    data.lay = lay;
    data.load = KeyLoads(ws.digraphs, ws.keys, lay);
    data.target = ws.weights.bestLoad;
    data.chars = &ws.chars;
    std::array<bool, kCharCodes> listed{};
    for (Byte c : ws.letters.letSet) {
        if (lay[c] == 0 && !listed[c]) data.unplaced.push_back(c);
        listed[c] = true;
    }
    return data;
}

namespace {

const char* const kDeadInk = "#6a2c9a";  // a dead key's outline and character

bool PlacesDeadKey(const LayoutPictureData& data) {
    for (int c = 0; c < kCharCodes; ++c)
        if (data.lay[static_cast<std::size_t>(c)] != 0 &&
            data.chars->IsDeadKey(static_cast<Byte>(c)))
            return true;
    return false;
}

// The keys: each coloured by its share of keystrokes, with its characters and both shares.
void KeyRects(std::ostringstream& out, const LayoutPictureData& data, const KeyTables& keys,
              const std::vector<KeyBox>& boxes, double maxLoad) {
    for (const KeyBox& b : boxes) {
        const auto [load, target] = BoxShares(b, data, keys);
        const double t = maxLoad > 0 ? load / maxLoad : 0;
        const double x = kMargin + b.x * kPitch + kGap / 2;
        const double y = kKeyboardTop + b.y * kPitch + kGap / 2;
        const double w = b.w * kPitch - kGap;
        const double h = b.h * kPitch - kGap;
        std::string label;
        bool dead = false;
        for (int c = 0; c < kCharCodes; ++c)
            if (data.lay[static_cast<std::size_t>(c)] == b.key) {
                label += CharacterLabel(static_cast<Byte>(c), *data.chars);
                dead = dead || data.chars->IsDeadKey(static_cast<Byte>(c));
            }
        out << "<rect x=\"" << Px(x) << "\" y=\"" << Px(y) << "\" width=\"" << Px(w)
            << "\" height=\"" << Px(h) << "\" rx=\"6\" ry=\"6\" fill=\"" << Colour(t)
            << (dead ? "\" stroke=\"" + std::string(kDeadInk) +
                           "\" stroke-width=\"2\" stroke-dasharray=\"5 3\"/>\n"
                     : std::string("\" stroke=\"#666666\" stroke-width=\"1\"/>\n"));
        const std::string ink = t > 0.55 ? "#ffffff" : dead ? kDeadInk : "#222222";
        const std::string faint = t > 0.55 ? "#f4e0dc" : "#777777";
        const double cx = x + w / 2;
        if (!label.empty()) Text(out, cx, y + 30, 24, ink, "middle", label);
        Text(out, cx, y + h - 19, 11, ink, "middle", FormatPercent(load), true);
        Text(out, cx, y + h - 6, 10, faint, "middle", FormatPercent(target));
    }
}

// The colour scale, what the figures mean, and the letters left unplaced.
void Legend(std::ostringstream& out, const LayoutPictureData& data, double legendTop,
            double maxLoad) {
    const double lx = kMargin;
    out << "<rect x=\"" << Px(lx) << "\" y=\"" << Px(legendTop) << "\" width=\"200\" height=\"14\""
        << " fill=\"url(#load)\" stroke=\"#666666\" stroke-width=\"1\"/>\n";
    Text(out, lx, legendTop + 30, 11, "#555555", "start", "0.00%");
    Text(out, lx + 200, legendTop + 30, 11, "#555555", "end", FormatPercent(maxLoad));
    Text(out, lx + 220, legendTop + 12, 12, "#333333", "start",
         "Key colour and upper figure: the key's share of keystrokes.");
    Text(out, lx + 220, legendTop + 30, 12, "#333333", "start",
         "Lower figure: its target share (BestLoad).");
    double lineTop = legendTop + 58;
    if (PlacesDeadKey(data)) {
        Text(out, lx, lineTop, 13, kDeadInk, "start",
             "Dashed outline: a dead key, typed before the letter it accents.");
        lineTop += 18;
    }
    if (!data.unplaced.empty()) {
        std::string letters;
        for (Byte c : data.unplaced)
            letters += (letters.empty() ? "" : " ") + CharacterLabel(c, *data.chars);
        Text(out, lx, lineTop, 13, "#a01010", "start", "Not placed: " + letters);
    }
}

}  // namespace

SvgPicture LayoutSvg(const LayoutPictureData& data, const KeyTables& keys) {
    const std::vector<KeyBox> boxes = KeyBoxes(keys);
    double right = 0, bottom = 0, maxLoad = 0;
    for (const KeyBox& b : boxes) {
        right = std::max(right, b.x + b.w);
        bottom = std::max(bottom, b.y + b.h);
        maxLoad = std::max(maxLoad, BoxShares(b, data, keys).first);
    }
    const double boardWidth = right * kPitch;
    const double fingerTop = kKeyboardTop + bottom * kPitch + 16;
    const double legendTop = fingerTop + kFingerHeight;
    // The legend's lines below the scale: the dead-key note and the letters not placed.
    const int notes = (PlacesDeadKey(data) ? 1 : 0) + (data.unplaced.empty() ? 0 : 1);
    SvgPicture picture;
    picture.width = static_cast<int>(std::ceil(std::max(boardWidth, 720.0) + 2 * kMargin));
    picture.height =
        static_cast<int>(std::ceil(legendTop + 60 + (notes ? 28 + 18 * (notes - 1) : 0)));

    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\""
        << picture.width << "\" height=\"" << picture.height << "\" viewBox=\"0 0 " << picture.width
        << ' ' << picture.height << "\">\n"
        << "<title>" << XmlEscape(data.title) << "</title>\n"
        << "<defs><linearGradient id=\"load\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"0\">"
        << "<stop offset=\"0\" stop-color=\"" << Colour(0) << "\"/><stop offset=\"1\" stop-color=\""
        << Colour(1) << "\"/></linearGradient></defs>\n"
        << "<rect x=\"0\" y=\"0\" width=\"" << picture.width << "\" height=\"" << picture.height
        << "\" fill=\"#ffffff\"/>\n";

    // Heading: the layout, its grade, the six relative figures.
    Text(out, kMargin, 38, 22, "#222222", "start", XmlEscape(data.title), true);
    Text(out, kMargin, 66, 15, "#222222", "start", XmlEscape(data.gradeLine));
    double fx = kMargin;
    for (const auto& [name, value] : data.figures) {
        Text(out, fx, 92, 13, "#555555", "start", XmlEscape(name + " " + value));
        fx += 130;
    }

    KeyRects(out, data, keys, boxes, maxLoad);
    FingerBars(out, data, keys, fingerTop, std::max(boardWidth, 720.0));

    Legend(out, data, legendTop, maxLoad);
    out << "</svg>\n";
    picture.text = out.str();
    return picture;
}

}  // namespace antkeys
