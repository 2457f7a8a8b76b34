#include "ui/caption_language.hpp"

#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

#include "data/charset.hpp"
#include "ui/georgian_text.hpp"
#include "version.hpp"

namespace antkeys {
namespace {

// The catalogues' context: the captions are looked up by their Georgian text alone.
constexpr const char* kContext = "captions";

QString CatalogueFile(const QString& folder, const QString& language) {
    return QDir(folder).filePath(QStringLiteral("antkeys_") + language + QStringLiteral(".qm"));
}

// "en-US", "en_US" and "EN" name the language "en".
QString LanguageOf(const QString& uiLanguage) {
    return uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

}  // namespace

QString CatalogueFolder() {
    const QString sets = QDir(QCoreApplication::applicationDirPath())
                             .filePath(QString::fromUtf8(kSetsFromExecutable));
    return QDir::cleanPath(sets + QStringLiteral("/translations"));
}

QString ChooseCaptionLanguage(const QString& requested, const QStringList& uiLanguages,
                              const QString& folder) {
    const QString source = QString::fromLatin1(kSourceLanguage);
    if (!requested.isEmpty())
        return LanguageOf(requested) == source ? QString() : LanguageOf(requested);
    for (const QString& uiLanguage : uiLanguages) {
        const QString language = LanguageOf(uiLanguage);
        if (language == source) return {};
        if (QFileInfo::exists(CatalogueFile(folder, language))) return language;
    }
    return {};
}

std::unique_ptr<QTranslator> InstallCaptionCatalogue(QString& warning, const QString& folder) {
    const QString requested = qEnvironmentVariable("ANTKEYS_LANG");
    const QString language =
        ChooseCaptionLanguage(requested, QLocale::system().uiLanguages(), folder);
    if (language.isEmpty()) return nullptr;
    const QString file = CatalogueFile(folder, language);
    auto translator = std::make_unique<QTranslator>();
    if (!QFileInfo::exists(file) || !translator->load(file)) {
        const QString asked =
            requested.isEmpty() ? QString() : QStringLiteral("ANTKEYS_LANG=") + requested + ": ";
        warning = asked + QStringLiteral("no catalogue %1, the captions stay Georgian")
                              .arg(QDir::toNativeSeparators(file));
        return nullptr;
    }
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

QString CaptionText(std::string_view georgian) {
    const std::string source = CharacterMap::GeorgianPs().ToUtf8(georgian);
    const QString translated = QCoreApplication::translate(kContext, source.c_str());
    // translate() gives the source back when no catalogue holds the caption.
    if (translated != QString::fromStdString(source)) return translated;
    return GeorgianText(georgian);
}

}  // namespace antkeys
