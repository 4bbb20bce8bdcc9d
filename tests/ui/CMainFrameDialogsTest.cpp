#include "CMainFrame.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>

#include "CAboutDlg.h"
#include "CDlg_Helpo.h"
#include "CDlg_Personigu.h"
#include "CDlg_trejnado.h"
#include "CWordStore.h"
#include "Clock.h"
#include "FakePrompts.h"
#include "FakeServices.h"
#include "FileChooser.h"
#include "ModalDialogs.h"
#include "TestFileSystem.h"
#include "QtText.h"
#include "RecentFileList.h"
#include "Typing.h"
#include "ZenvaloSettings.h"

namespace {

// None of these dialogs chooses a file: any call is a fault.
class NoFileChooser final : public FileChooser
{
public:
    std::optional<QString> chooseNewDataSet(const QString&) override { return unexpected(); }
    std::optional<QString> chooseFileToOpen(const QString&) override { return unexpected(); }
    std::optional<QString> chooseSaveAs(const QString&) override { return unexpected(); }
    std::optional<QString> chooseDataSetToMerge(const QString&) override { return unexpected(); }
    std::optional<QString> chooseFileToImport(const QString&) override { return unexpected(); }
    std::optional<QString> chooseExportPath(const QString&) override { return unexpected(); }

private:
    static std::optional<QString> unexpected()
    {
        QTest::qFail("A file chooser was opened", __FILE__, __LINE__);
        return std::nullopt;
    }
};

// A main window over an empty data set whose file lies in a temporary folder and is not written yet.
struct Fixture
{
    QTemporaryDir folder;
    CWordStore store{{9, 12, 2026}, u""};
    FakePrompts prompts;
    NoFileChooser files;
    FakeClock clock{{9, 12, 2026}};
    FakeBeeper beeper;
    FakeSpeechEngine speech{{QStringLiteral("eo"), QStringLiteral("fr-FR")}};
    ZenvaloSettings settings{fileSystem, folder.filePath(QStringLiteral("settings.ini"))};
    RecentFileList recentFiles;
    std::unique_ptr<CMainFrame> frame;

    Fixture()
    {
        store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
        store.setDataPath(toText(dataSetPath()));
        frame = std::make_unique<CMainFrame>(
            AppContext{store, prompts, files, clock, settings, recentFiles, beeper, speech, fileSystem});
        frame->updateCommands();
    }

    QString dataSetPath() const { return folder.filePath(QStringLiteral("vortoj.zenv")); }

    // Triggers a command of the main window and hands its modal dialog to drive.
    template <typename Dialog>
    void runDialog(const char* actionName, const std::function<void(Dialog*)>& drive)
    {
        bool opened = false;
        onNextModalDialog([&](QDialog* shown) {
            auto* dialog = qobject_cast<Dialog*>(shown);
            QVERIFY2(dialog, qPrintable(shown->objectName()));
            QCOMPARE(dialog->parentWidget(), frame.get());
            opened = true;
            drive(dialog);
        });
        QAction* action = frame->findChild<QAction*>(QString::fromLatin1(actionName));
        QVERIFY(action && action->isEnabled());
        action->trigger();
        QVERIFY2(opened, actionName);
    }
};

} // namespace

class CMainFrameDialogsTest final : public QObject
{
    Q_OBJECT

private slots:
    void picturesAreBuiltIntoTheProgram();
    void personiguChangesTheNamesAndSavesNothing();
    void listsAreReadAloudInTheLanguagesChosenForTheDataSet();
    void helpOpensInEsperantoAndSavesNothing();
    void aboutShowsTheIconNameAndVersion();
};

void CMainFrameDialogsTest::picturesAreBuiltIntoTheProgram()
{
    QCOMPARE(QPixmap(QStringLiteral(":/zenvalo/background.png")).size(), QSize(225, 225));
    QVERIFY(!QPixmap(QStringLiteral(":/zenvalo/zenvalo.png")).isNull());
}

void CMainFrameDialogsTest::personiguChangesTheNamesAndSavesNothing()
{
    Fixture fixture;
    fixture.runDialog<CDlg_Personigu>("customiseAction", [](CDlg_Personigu* dialog) {
        retypeText(dialog->findChild<QLineEdit*>(QStringLiteral("listName1LineEdit")),
                   QStringLiteral("Franca"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("confirmButton")), Qt::LeftButton);
    });
    QCOMPARE(toQString(fixture.store.listName1()), QStringLiteral("Franca"));
    QVERIFY(!QFileInfo::exists(fixture.dataSetPath()));
    QVERIFY(fixture.prompts.shown().isEmpty());
}

void CMainFrameDialogsTest::listsAreReadAloudInTheLanguagesChosenForTheDataSet()
{
    Fixture fixture;
    WordEntry entry;
    entry.text1 = u"Lentille (optique)";
    entry.text2 = u"Lenso";
    entry.setBothAnswerDates({1, 1, 2026});
    fixture.store.appendEntry(entry);
    fixture.frame->updateCommands();
    const auto listen = [](CDlg_trejnado* dialog) {
        auto* button = dialog->findChild<QPushButton*>(QStringLiteral("listenButton"));
        QTest::keyClick(dialog, Qt::Key_F3);
        return button->isEnabled() ? QString() : button->toolTip();
    };
    const auto press = [](CDlg_trejnado* dialog, const char* name) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    };
    // Without languages: nothing is read, and the button says where to choose them.
    fixture.runDialog<CDlg_trejnado>("trainAction", [&](CDlg_trejnado* dialog) {
        press(dialog, "stepForwardButton");
        QCOMPARE(listen(dialog), QStringLiteral("Elektu la lingvon de tiu listo en « Personigu ... »."));
        dialog->reject();
    });
    QCOMPARE(fixture.speech.said, QStringList());

    fixture.runDialog<CDlg_Personigu>("customiseAction", [](CDlg_Personigu* dialog) {
        auto* first = dialog->findChild<QComboBox*>(QStringLiteral("language1ComboBox"));
        QCOMPARE(first->itemText(0), QStringLiteral("neniu"));
        QCOMPARE(first->count(), 3);
        first->setCurrentIndex(first->findData(QStringLiteral("fr-FR")));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("confirmButton")), Qt::LeftButton);
    });
    const ListLanguages chosen{QStringLiteral("fr-FR"), QString()};
    QCOMPARE(fixture.settings.speechLanguages(fixture.dataSetPath()), chosen);
    QCOMPARE(fixture.settings.speechLanguages(fixture.folder.filePath(QStringLiteral("alia.zenv"))),
             ListLanguages());

    fixture.runDialog<CDlg_trejnado>("trainAction", [&](CDlg_trejnado* dialog) {
        QVERIFY(!listen(dialog).isEmpty()); // nothing presented yet
        press(dialog, "stepForwardButton");
        QCOMPARE(listen(dialog), QString());
        press(dialog, "showButton");
        QVERIFY(!listen(dialog).isEmpty()); // list 2 has no language
        press(dialog, "wrongButton");
        dialog->findChild<QRadioButton*>(QStringLiteral("direction2RadioButton"))->click();
        press(dialog, "stepForwardButton");
        press(dialog, "showButton");
        QCOMPARE(listen(dialog), QString());
        dialog->reject();
    });
    QCOMPARE(fixture.speech.said,
             (QStringList{QStringLiteral("fr-FR: Lentille"), QStringLiteral("fr-FR: Lentille")}));
}

void CMainFrameDialogsTest::helpOpensInEsperantoAndSavesNothing()
{
    Fixture fixture;
    fixture.store.clearEntries(CWordStore::AfterClear::NoDataSet);
    fixture.frame->updateCommands();
    fixture.runDialog<CDlg_Helpo>("helpAction", [](CDlg_Helpo* dialog) {
        QCOMPARE(dialog->language(), CDlg_Helpo::Language::Esperanto);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QVERIFY(!QFileInfo::exists(fixture.dataSetPath()));
}

void CMainFrameDialogsTest::aboutShowsTheIconNameAndVersion()
{
    Fixture fixture;
    fixture.runDialog<CAboutDlg>("aboutAction", [](CAboutDlg* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Pri Zenvalo"));
        const QPixmap icon = dialog->findChild<QLabel*>(QStringLiteral("iconLabel"))->pixmap();
        QVERIFY(!icon.isNull());
        const QString name = dialog->findChild<QLabel*>(QStringLiteral("nameLabel"))->text();
        QVERIFY2(name.startsWith(QStringLiteral("Zenvalo")) &&
                     name.contains(QRegularExpression(QStringLiteral("\\d+\\.\\d+"))),
                 qPrintable(name));
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    QVERIFY(!QFileInfo::exists(fixture.dataSetPath()));
}

QTEST_MAIN(CMainFrameDialogsTest)
#include "CMainFrameDialogsTest.moc"
