// The language of the captions: which catalogue ANTKEYS_LANG and the system's languages choose,
// every caption of the three windows in English with the English catalogue, and today's
// Georgian captions with ANTKEYS_LANG=ka. CMake runs this test with the system language English
// (LANGUAGE=en), so Georgian must win over it where asked for.
#include <QAbstractButton>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QTranslator>

#include "ui/caption_fit.hpp"
#include "ui/caption_language.hpp"
#include "ui/captions.hpp"
#include "ui/georgian_text.hpp"
#include "ui/lay_window.hpp"
#include "ui/lay_window_editor.hpp"
#include "ui/phero_window.hpp"
#include "ui_test_support.hpp"

using namespace antkeys;

namespace {

// The three windows, built while the caption language of the test is in force.
struct Windows {
    Windows() { lay.editor(); }  // with the edit panel, hidden until the window edits
    test::LoadedProgram program;
    LayWindow lay;
    PheroWindow phero;
    std::vector<QWidget*> all() { return {&program.window(), &lay, &phero}; }
};

// What a person reads on a control: captions, window titles and tooltips.
QStringList ShownTexts(QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        texts << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
    }
    texts.removeAll(QString());
    return texts;
}

// A Georgian letter in Unicode, or a byte that "Geo_Arial" shows as one (Latin-1 from 192 up).
bool HasGeorgian(const QString& text) {
    for (const char32_t c : text.toUcs4())
        if ((c >= 0xC0 && c <= 0xFF) || (c >= 0x10A0 && c <= 0x10FF) ||
            (c >= 0x1C90 && c <= 0x1CBF) || (c >= 0x2D00 && c <= 0x2D2F))
            return true;
    return false;
}

// A caption as it was set: fitted buttons break it into lines at blanks.
QString Caption(QWidget* w) {
    QString text = w->property("text").toString();
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// The catalogue of ANTKEYS_LANG=language for the length of a test.
std::unique_ptr<QTranslator> Catalogue(const char* language, QString& warning) {
    qputenv("ANTKEYS_LANG", language);
    auto catalogue = InstallCaptionCatalogue(warning);
    qunsetenv("ANTKEYS_LANG");
    return catalogue;
}

}  // namespace

class TestCaptionLanguage : public QObject {
    Q_OBJECT

  private slots:
    void catalogueChoice() {
        qunsetenv("ANTKEYS_LANG");
        const QString folder = CatalogueFolder();
        QVERIFY2(QFileInfo::exists(folder + "/antkeys_en.qm"), qPrintable(folder));
        const struct {
            const char* requested;
            QStringList system;
            const char* chosen;
        } cases[] = {
            {"", {"en-US", "en"}, "en"},
            {"", {"de-DE", "en-GB"}, "en"},  // the first system language with a catalogue
            {"", {"ka-GE", "en-US"}, ""},    // Georgian before English
            {"", {"de-DE"}, ""},
            {"", {"C"}, ""},
            {"ka", {"en-US"}, ""},
            {"en", {"ka-GE"}, "en"},
            {"de", {"en-US"}, "de"},  // asked for, even without a catalogue
        };
        for (const auto& c : cases)
            QCOMPARE(ChooseCaptionLanguage(QLatin1String(c.requested), c.system, folder),
                     QLatin1String(c.chosen));

        // The system's language alone (LANGUAGE=en) picks English; a language without a
        // catalogue keeps Georgian and says so.
        QString warning;
        QVERIFY(InstallCaptionCatalogue(warning) && warning.isEmpty());
        QVERIFY(!Catalogue("de", warning));
        QVERIFY2(warning.startsWith("ANTKEYS_LANG=de: no catalogue "), qPrintable(warning));
    }

    void englishCaptionsHaveNoGeorgian() {
        QString warning;
        const auto catalogue = Catalogue("en", warning);
        QVERIFY2(catalogue, qPrintable(warning));
        Windows w;
        QCOMPARE(Caption(w.program.child("cmdRun")), QStringLiteral("Start"));
        qsizetype seen = 0;
        for (QWidget* window : w.all()) {
            const QStringList texts = ShownTexts(*window);
            seen += texts.size();
            for (const QString& text : texts) QVERIFY2(!HasGeorgian(text), qPrintable(text));
            // The English captions fit their controls as the Georgian ones do.
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (label->wordWrap()) continue;
                const QFontMetrics metrics(label->font());
                QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width() ||
                             label->font().pointSizeF() == kMinCaptionPointSize,
                         qPrintable(label->text()));
            }
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
                for (const QString& line : button->text().split(QLatin1Char('\n')))
                    QVERIFY2(QFontMetrics(button->font()).horizontalAdvance(line) < button->width(),
                             qPrintable(line));
        }
        QVERIFY(seen > 30);  // the walk reached the controls
    }

    void georgianCaptionsAreTodays() {
        QString warning;
        QVERIFY(!Catalogue("ka", warning) && warning.isEmpty());
        Windows w;
        const struct {
            QWidget* window;
            const char* control;
            const char* caption;
        } controls[] = {
            {&w.program.window(), "labIterN", captions::kIterNCaption},
            {&w.program.window(), "labAnts", captions::kAntsCaption},
            {&w.program.window(), "labSens", captions::kSensCaption},
            {&w.program.window(), "Label3", captions::kPheroModifCaption},
            {&w.program.window(), "chkACO", captions::kAcoCaption},
            {&w.program.window(), "chkDrawGraph", captions::kDrawGraphCaption},
            {&w.program.window(), "cmdRun", captions::kRunCaption},
            {&w.program.window(), "cmdStop", captions::kStopCaption},
            {&w.program.window(), "cmdClearPhero", captions::kClearPheroCaption},
            {&w.program.window(), "cmdShowPhero", captions::kShowPheroCaption},
            {&w.program.window(), "cmdShowBestLay", captions::kShowBestLayCaption},
            {&w.program.window(), "Label6", captions::kRefColumnCaption},
            {&w.program.window(), "Label7", captions::kCurrColumnCaption},
            {&w.program.window(), "Label1", captions::kBestColumnCaption},
            {&w.program.window(), "labGrOff", captions::kGrOffCaption},
            {&w.program.window(), "labGrScale", captions::kGrScaleCaption},
            {&w.program.window(), "labAvrgGrade", captions::kAvrgGradeCaption},
            {&w.lay, "Label1", captions::kRefrIntervalCaption},
            {&w.lay, "labAGr", captions::kAGradeCaption},
            {&w.lay, "Label2", captions::kRGradeCaption},
            {&w.lay, "labEdit", captions::kEditCaption},
            {&w.lay, "labEditValue", captions::kEditValueCaption},
            {&w.lay, "labEditRelative", captions::kRGradeCaption},
            {&w.lay, "labEditChange", captions::kEditChangeCaption},
            {&w.lay, "labEditGrade", captions::kEditGradeCaption},
            {&w.lay, "labImproving", captions::kImprovingCaption},
            {&w.phero, "Label1", captions::kLetterCaption},
            {&w.phero, "chkAutoRefresh", captions::kAutoRefreshCaption},
            {&w.phero, "Label2", captions::kPheroLegendCaption},
        };
        for (const auto& c : controls) {
            auto* control = c.window->findChild<QWidget*>(QLatin1String(c.control));
            QVERIFY2(control, c.control);
            QCOMPARE(Caption(control), GeorgianText(c.caption));
        }
    }
};

QTEST_MAIN(TestCaptionLanguage)
#include "test_caption_language.moc"
