#pragma once
// The language of the window captions. They are written in Georgian (ui/captions.hpp); a
// catalogue antkeys_<language>.qm, made from translations/antkeys_<language>.ts, gives them
// in another language. Only the captions are translated: window titles, tooltips and message
// boxes keep their fixed texts.
#include <memory>
#include <string_view>

#include <QString>
#include <QStringList>

class QTranslator;

namespace antkeys {

// The language of the captions as written.
inline constexpr const char* kSourceLanguage = "ka";

// The catalogues' folder: share/antkeys/translations beside the executables' folder, in the
// build tree as once installed.
QString CatalogueFolder();

// The language whose catalogue the captions take: `requested` ($ANTKEYS_LANG) when it is not
// empty, otherwise the first of the system's languages `uiLanguages` ("en-US", "ka") that is
// Georgian or has a catalogue in `folder`. Empty when the captions stay Georgian.
QString ChooseCaptionLanguage(const QString& requested, const QStringList& uiLanguages,
                              const QString& folder);

// Installs in the application the catalogue that ChooseCaptionLanguage picks from
// $ANTKEYS_LANG and the system locale; it stays installed while the result lives. Null when
// the captions stay Georgian; then `warning` says why when a language was asked for and has
// no catalogue.
std::unique_ptr<QTranslator> InstallCaptionCatalogue(QString& warning,
                                                     const QString& folder = CatalogueFolder());

// A caption as the windows show it: its translation in the installed catalogue, else the
// Georgian as GeorgianText shows it.
QString CaptionText(std::string_view georgian);

}  // namespace antkeys
