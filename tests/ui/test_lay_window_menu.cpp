// The layout window's context menu: every entry, with the save dialog answered by the test,
// writes its file from the window's layout.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>

#include "data/loaders.hpp"
#include "eval/workspace.hpp"
#include "support/temp_folder.hpp"
#include "ui/file_dialog.hpp"
#include "ui/lay_window.hpp"
#include "ui/message_box.hpp"

using namespace antkeys;

class TestLayWindowMenu : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        ws_.paths.folder = test::BundledSet("ka");
        RecordingSink sink;
        QVERIFY(LoadWorkspace(ws_, sink));
        MessageBox::SetTestSink(&messages_);
    }
    void cleanupTestCase() {
        MessageBox::SetTestSink(nullptr);
        FileDialog::SetTestAnswer({});
    }

    void everyEntryWritesItsFile() {
        LayWindow w;
        w.setWindowTitle(QStringLiteral("Best KB Layout"));
        w.SetWorkspace(&ws_);
        w.DrawLay(ws_.refKeyLay, ws_.keys);
        w.txtRGrade()->setText(QStringLiteral("12.34%"));
        QTemporaryDir dir;
        // Each dialog is answered with a file named after its caption.
        QStringList asked;
        FileDialog::SetTestAnswer([&](const QString& caption) {
            asked << caption;
            static const QMap<QString, QString> files{
                {"Save layout as", "saved.txt"},
                {"Export for Linux (XKB)", "antka"},
                {"Export for Windows (KLC)", "antka.klc"},
                {"Export for macOS (keylayout)", "antka.keylayout"},
                {"Export for the keyboard-layout-editor (JSON)", "antka.json"},
                {"Save picture (SVG/PNG)", "antka.svg"},
            };
            return dir.filePath(files.value(caption, "unexpected"));
        });

        QMenu* menu = w.ContextMenu();
        QStringList texts;
        for (QAction* a : menu->actions()) texts << a->text();
        QCOMPARE(texts,
                 QStringList({"Save layout as...", "Export for Linux (XKB)...",
                              "Export for Windows (KLC)...", "Export for macOS (keylayout)...",
                              "Export for the keyboard-layout-editor (JSON)...",
                              "Save picture (SVG/PNG)...", "Explain this layout..."}));
        for (QAction* a : menu->actions()) a->trigger();
        QCOMPARE(asked.size(), 6);
        QVERIFY(messages_.messages.empty());

        auto read = [&](const char* name) {
            QFile f(dir.filePath(QString::fromLatin1(name)));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        // The saved layout reads back as the drawn one.
        Layout back{};
        RecordingSink sink;
        QVERIFY(LoadKeyLay(dir.filePath("saved.txt").toStdString(), ws_.keys, back, sink));
        QVERIFY(back == ws_.refKeyLay);
        QVERIFY(read("saved.txt").startsWith("12.34%\r\n"));
        QVERIFY(read("antka").contains("xkb_symbols \"basic\""));
        QVERIFY(read("antka.klc").startsWith("\xFF\xFE"));
        QVERIFY(read("antka.keylayout").contains("<keyboard group=\"126\""));
        QVERIFY(read("antka.json").startsWith("[\n{\"name\":\"antka\""));
        QVERIFY(read("antka.svg").contains("<svg"));
    }

    void aCancelledDialogWritesNothing() {
        LayWindow w;
        w.DrawLay(ws_.refKeyLay, ws_.keys);
        FileDialog::SetTestAnswer([](const QString&) { return QString(); });
        QMenu* menu = w.ContextMenu();
        for (QAction* a : menu->actions()) a->trigger();
        QVERIFY(messages_.messages.empty());
    }

    // A file that cannot be written and characters an export leaves out are reported; a
    // picture named .png is written as PNG.
    void failuresAreReportedAndPngIsWritten() {
        LayWindow w;
        w.SetWorkspace(&ws_);
        Layout lay = ws_.refKeyLay;
        lay[7] = lay[ws_.letters.letSet[1]];  // a control character on a letter's key
        w.DrawLay(lay, ws_.keys);
        QTemporaryDir dir;
        FileDialog::SetTestAnswer([&](const QString& caption) {
            if (caption == QLatin1String("Save layout as")) return dir.filePath("no/such/saved.txt");
            if (caption == QLatin1String("Export for Linux (XKB)")) return dir.filePath("antka");
            if (caption == QLatin1String("Save picture (SVG/PNG)")) return dir.filePath("antka.png");
            return QString();
        });
        for (QAction* a : w.ContextMenu()->actions()) a->trigger();
        QCOMPARE(messages_.messages.size(), std::size_t{2});
        QVERIFY(messages_.messages[0].text.find("cannot write") != std::string::npos);
        QVERIFY(messages_.messages[1].text.rfind("The file was written without:", 0) == 0);
        QFile png(dir.filePath("antka.png"));
        QVERIFY(png.open(QIODevice::ReadOnly) && png.read(4) == "\x89PNG");
        messages_.messages.clear();
    }

    void aWindowWithoutLayoutOffersNothing() {
        LayWindow w;
        for (QAction* a : w.ContextMenu()->actions()) QVERIFY(!a->isEnabled());
    }

  private:
    Workspace ws_;
    RecordingSink messages_;
};

QTEST_MAIN(TestLayWindowMenu)
#include "test_lay_window_menu.moc"
