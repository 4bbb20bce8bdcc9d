#include "CMainFrame.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "CDlg_Importu.h"
#include "CWordStore.h"
#include "DataSetFile.h"
#include "FakePrompts.h"
#include "FakeServices.h"
#include "ImportReader.h"
#include "ModalDialogs.h"
#include "TestFileSystem.h"
#include "QtText.h"
#include "RecentFileList.h"
#include "Widgets.h"
#include "ZenvaloSettings.h"

namespace {

const CalendarDate today{9, 12, 2026};

// A main window over a data set of one entry whose file lies in a temporary folder.
struct Fixture
{
    QTemporaryDir folder;
    CWordStore store{today, u""};
    FakePrompts prompts;
    FakeFileChooser files;
    FakeClock clock{today};
    FakeBeeper beeper;
    FakeSpeechEngine speech;
    ZenvaloSettings settings{fileSystem, folder.filePath(QStringLiteral("settings.ini"))};
    RecentFileList recentFiles;
    std::unique_ptr<CMainFrame> frame;

    Fixture()
    {
        store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
        store.setListName1(u"Esperanto");
        store.setListName2(u"Angla");
        WordEntry entry;
        entry.text1 = u"kato";
        entry.text2 = u"cat";
        entry.box1 = 2;
        store.appendEntry(entry);
        store.setDataPath(toText(folder.filePath(QStringLiteral("vortoj.zenv"))));
        frame = std::make_unique<CMainFrame>(
            AppContext{store, prompts, files, clock, settings, recentFiles, beeper, speech, fileSystem});
    }

    QString write(const QString& name, const QByteArray& bytes) const
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }

    void trigger(const char* actionName)
    {
        QAction* action = frame->findChild<QAction*>(QString::fromLatin1(actionName));
        QVERIFY(action && action->isEnabled());
        action->trigger();
    }
};

} // namespace

class ExchangeCommandsTest final : public QObject
{
    Q_OBJECT

private slots:
    void importPreviewsChoosesAppendsAndSaves();
    void exportWritesTheDataSetInTheFormatOfTheExtension();
};

void ExchangeCommandsTest::importPreviewsChoosesAppendsAndSaves()
{
    Fixture fixture;
    const QStringList menu = [&] {
        QStringList names;
        for (QAction* action : fixture.frame->findChild<QMenu*>(QStringLiteral("dataSetMenu"))->actions())
            names.append(action->isSeparator() ? QStringLiteral("|") : action->objectName());
        return names.mid(3, 4);
    }();
    QCOMPARE(menu, (QStringList{QStringLiteral("saveAsAction"), QStringLiteral("importAction"),
                                QStringLiteral("exportAction"), QStringLiteral("|")}));

    // A malformed file is refused with its reason, and nothing changes.
    fixture.files.queue(fixture.write(QStringLiteral("rompita.csv"), "a,\"b\nc,d\n"));
    fixture.trigger("importAction");
    QCOMPARE(fixture.prompts.texts(FakePrompts::Kind::Error).size(), 1);
    QVERIFY(fixture.prompts.texts(FakePrompts::Kind::Error).constFirst().contains(QStringLiteral("linio 1")));
    QCOMPARE(fixture.store.count(), 1);

    fixture.files.queue(fixture.write(QStringLiteral("vortoj.csv"),
                                      "eo;de;en\n"
                                      "kato;Katze;cat\n"
                                      "hundo;Hund;dog\n"
                                      "\"punkto, komo\";Punkt;\"dot\nand comma\"\n"
                                      "ĉevalo;Pferd;horse\n"));
    bool opened = false;
    onNextModalDialog([&](QDialog* shown) {
        auto* dialog = qobject_cast<CDlg_Importu*>(shown);
        QVERIFY(dialog);
        opened = true;
        QCOMPARE(child<QLabel>(dialog, "detectedLabel")->text(),
                 QStringLiteral("Formato: CSV, apartigilo « ; »    Kodoprezento: UTF-8"));
        QTest::mouseClick(child<QCheckBox>(dialog, "headerCheckBox"), Qt::LeftButton);
        child<QComboBox>(dialog, "column2ComboBox")->setCurrentIndex(2);
        auto* rows = child<QTableWidget>(dialog, "previewTableWidget");
        QCOMPARE(rows->rowCount(), 4);
        QCOMPARE(rows->item(0, 3)->text(), QStringLiteral("jam registrita"));
        QCOMPARE(rows->item(2, 1)->text(), QStringLiteral("dot / and comma"));
        child<QRadioButton>(dialog, "skipUnstorableRadioButton")->click();
        QCOMPARE(rows->item(2, 3)->text(), QStringLiteral("preterlasita: « ; » aŭ linirompo"));
        QTest::mouseClick(child<QPushButton>(dialog, "importButton"), Qt::LeftButton);
    });
    fixture.trigger("importAction");
    QVERIFY(opened);

    QCOMPARE(fixture.prompts.texts(FakePrompts::Kind::Information),
             QStringList{QStringLiteral("Importitaj: 2 vortoj.\nPreterlasitaj linioj: 1 jam registrita, "
                                        "1 kun « ; » aŭ linirompo.")});
    QCOMPARE(fixture.store.count(), 3);
    QCOMPARE(toQString(fixture.store.entry(2).text2), QStringLiteral("horse"));
    QCOMPARE(fixture.store.entry(2).answerDate(1), fixture.store.defaultAnswerDate());

    // Saved like every command that changes the data set.
    CWordStore saved(today, u"");
    QVERIFY(readDataSet(fileSystem, saved, fixture.store.dataPath()));
    QCOMPARE(saved.entries(), fixture.store.entries());
}

void ExchangeCommandsTest::exportWritesTheDataSetInTheFormatOfTheExtension()
{
    Fixture fixture;
    fixture.store.setCategoryName(1, u"Bestoj");
    fixture.store.entry(0).category = 1;
    const QString path = fixture.folder.filePath(QStringLiteral("eksporto.kvtml"));
    fixture.files.queue(path);
    fixture.trigger("exportAction");
    QCOMPARE(fixture.files.asked(),
             QStringList{QStringLiteral("export ") + fixture.folder.filePath(QStringLiteral("vortoj.csv"))});

    ImportedTable table;
    QVERIFY(!readImportFile(fileSystem, toText(path), table));
    QCOMPARE(table.format, ExchangeFormat::Kvtml);
    QCOMPARE(table.rows.size(), std::size_t{1});
    QCOMPARE(toQString(table.rows[0].fields[1]), QStringLiteral("cat"));
    QCOMPARE(table.lessonNames, std::vector<std::u16string>{u"Bestoj"});

    fixture.files.queue(fixture.folder.filePath(QStringLiteral("mankas/eksporto.csv")));
    fixture.trigger("exportAction");
    QCOMPARE(fixture.prompts.texts(FakePrompts::Kind::Error).size(), 1);
    QVERIFY(!QFile::exists(fixture.folder.filePath(QStringLiteral("vortoj.zenv"))));
}

QTEST_MAIN(ExchangeCommandsTest)
#include "ExchangeCommandsTest.moc"
