// Renders the main window and every dialog to PNG files so that a person can look at them: labels,
// grouping, colours, nothing cut off. Run it headless:
//   QT_QPA_PLATFORM=offscreen zenvalo_screenshots <folder> [look]
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeView>
#include <QTreeWidget>
#include <cstdio>

#include "BoxSchedule.h"
#include "CAboutDlg.h"
#include "CDlg_Helpo.h"
#include "CDlg_Importu.h"
#include "CDlg_Kiu_kies.h"
#include "CDlg_Modifu.h"
#include "CDlg_Personigu.h"
#include "CDlg_Statistiko.h"
#include "CDlg_Vortprovizo.h"
#include "CDlg_kunmeti.h"
#include "CDlg_trejnado.h"
#include "CGridCtrl.h"
#include "CMainFrame.h"
#include "CMyFileDialog.h"
#include "CWordStore.h"
#include "DataSetFile.h"
#include "Clock.h"
#include "ImportReader.h"
#include "Looks.h"
#include "PosixFileSystem.h"
#include "QtPrompts.h"
#include "QtSpeechEngine.h"
#include "QtText.h"
#include "RandomGenerator.h"
#include "RecentFileList.h"
#include "ToneBeeper.h"
#include "ZenvaloSettings.h"

namespace {

PosixFileSystem fileSystem;

bool save(QWidget& widget, const QDir& folder, const QString& name)
{
    widget.show();
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path)) {
        QTextStream(stderr) << "Cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << path << '\n';
    widget.hide();
    return true;
}

void fillDataSet(CWordStore& store)
{
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    store.setDataTitle(u"Franca-Esperanto");
    store.setListName1(u"Franca");
    store.setListName2(u"Esperanto");
    const std::u16string categories[] = {u"Bestoj",    u"Manĝaĵoj", u"Verboj",
                                         u"Esprimoj",  u"",         u"Hejmo",
                                         u"Vojaĝoj",   u"",         u"Ĉiutagaj vortoj (hejme)",
                                         u"Diversaĵoj"};
    for (int category = 1; category <= CWordStore::categoryCount; ++category)
        store.setCategoryName(category, categories[category - 1]);
    const std::u16string pairs[][2] = {
        {u"chien", u"hundo"}, {u"manger", u"manĝi"}, {u"Lentille (optique)", u"Lenso"}};
    int category = 0;
    for (const auto& pair : pairs) {
        WordEntry entry;
        entry.text1 = pair[0];
        entry.text2 = pair[1];
        entry.category = category++;
        entry.setBothAnswerDates({1, 1, 2020});
        store.appendEntry(entry);
    }
}

// More entries in every category, so that the modify dialog shows a full grid of colours.
void addMoreEntries(CWordStore& store)
{
    const std::u16string pairs[][2] = {{u"chat", u"kato"},
                                       {u"pain", u"pano"},
                                       {u"fromage", u"fromaĝo"},
                                       {u"Vase (le)", u"Florpoto"},
                                       {u"oiseau", u"birdo"},
                                       {u"chanter", u"kanti"},
                                       {u"pomme de terre", u"terpomo"},
                                       {u"échanger", u"interŝanĝi"},
                                       {u"cheval", u"ĉevalo"},
                                       {u"ville", u"urbo"},
                                       {u"eau", u"akvo"},
                                       {u"soleil", u"suno"},
                                       {u"livre", u"libro"},
                                       {u"arbre", u"arbo"},
                                       {u"maison", u"domo"},
                                       {u"bateau", u"ŝipo"},
                                       {u"apprendre par cœur", u"parkerigi"}};
    int category = 1;
    for (const auto& pair : pairs) {
        WordEntry entry;
        entry.text1 = pair[0];
        entry.text2 = pair[1];
        entry.box1 = category % 6;
        entry.box2 = (category * 2) % 6;
        entry.category = category % 11;
        entry.setBothAnswerDates({1, 1, 2020});
        store.appendEntry(entry);
        ++category;
    }
}

CalendarDate previousDay(CalendarDate date)
{
    if (--date.day > 0)
        return date;
    if (--date.month == 0) {
        date.month = 12;
        --date.year;
    }
    date.day = 31;
    while (NextDay(date).day != 1)
        --date.day;
    return date;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/zenvalo/zenvalo.png")));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        QTextStream(stderr) << "Usage: zenvalo_screenshots <folder> [look]\n";
        return 2;
    }
    QDir folder(arguments.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "Cannot create " << arguments.at(1) << '\n';
        return 1;
    }
    Looks::apply(arguments.size() > 2 ? arguments.at(2).toInt() : Looks::defaultLook);

    const QTemporaryDir home;
    const SystemClock clock;
    QtPrompts prompts;
    CMyFileDialog files;
    ZenvaloSettings settings(fileSystem, home.filePath(QStringLiteral("settings.ini")));
    RecentFileList recentFiles;
    ToneBeeper beeper;
    QtSpeechEngine speech;
    CWordStore store(clock.today(), toText(home.path()));
    bool saved = true;
    {
        CMainFrame frame({store, prompts, files, clock, settings, recentFiles, beeper, speech, fileSystem});
        frame.show();
        frame.placeAtStart();
        saved &= save(frame, folder, QStringLiteral("main-window-start"));
        fillDataSet(store);
        frame.updateCommands();
        saved &= save(frame, folder, QStringLiteral("main-window-data-set"));

        CDlg_Helpo help(&frame);
        saved &= save(help, folder, QStringLiteral("help-esperanto"));
        help.findChild<QRadioButton*>(QStringLiteral("frenchRadioButton"))->click();
        // A selection stays visible while the focus is on "OK".
        auto* list = help.findChild<QTreeWidget*>(QStringLiteral("helpTreeWidget"));
        for (int row = 13; row <= 16; ++row)
            list->topLevelItem(row)->setSelected(true);
        help.findChild<QPushButton*>(QStringLiteral("okButton"))->setFocus();
        saved &= save(help, folder, QStringLiteral("help-french"));

        CDlg_Personigu customise(store, prompts, &frame);
        saved &= save(customise, folder, QStringLiteral("customise"));

        {
            // The starter vocabulary as after some weeks of training: boxes and answer dates drawn
            // from a fixed sequence.
            CWordStore trained(store.today(), u"");
            const std::string starter = std::string(ZENVALO_STARTER_DATA_DIR) + "/Zenvalo.txt";
            if (readDataSet(fileSystem, trained, std::u16string(starter.begin(), starter.end()))) {
                RandomGenerator draws(16);
                for (std::size_t i = 0; i < trained.entries().size(); ++i) {
                    WordEntry& entry = trained.entry(i);
                    for (int direction = 1; direction <= 2; ++direction) {
                        const int box = draws.draw() % 7;
                        (direction == 1 ? entry.box1 : entry.box2) = box == 6 ? 0 : box;
                        CalendarDate answered = store.today();
                        for (int back = draws.draw() % (box >= 3 ? 60 : 8); back > 0; --back)
                            answered = previousDay(answered);
                        entry.setAnswerDate(direction, answered);
                    }
                }
            }
            CDlg_Statistiko statistics(trained, &frame);
            saved &= save(statistics, folder, QStringLiteral("statistics"));
        }

        CAboutDlg about(&frame);
        saved &= save(about, folder, QStringLiteral("about"));

        RandomGenerator random(1);
        CDlg_trejnado training(store, random, &frame);
        training.findChild<QPushButton*>(QStringLiteral("stepForwardButton"))->click();
        training.findChild<QPushButton*>(QStringLiteral("stepForwardButton"))->click();
        training.findChild<QPushButton*>(QStringLiteral("showButton"))->click();
        saved &= save(training, folder, QStringLiteral("training"));

        CDlg_Vortprovizo addWords(store, prompts, beeper, &frame);
        addWords.findChild<QLineEdit*>(QStringLiteral("list1LineEdit"))
            ->setText(QStringLiteral("Lentille (optique)"));
        addWords.findChild<QLineEdit*>(QStringLiteral("list2LineEdit"))->setText(QStringLiteral("Lenso"));
        saved &= save(addWords, folder, QStringLiteral("add-words"));

        const std::vector<IncomingEntry> incoming = {{u"chat", u"kato"},
                                                     {u"Lentille (légume)", u"Lento"},
                                                     {u"cheval", u"ĉevalo"},
                                                     {u"manger", u"manĝi"}};
        CDlg_kunmeti merge(store, incoming, &frame);
        auto* incomingList = merge.findChild<QTreeView*>(QStringLiteral("incomingTreeView"));
        incomingList->selectionModel()->select(incomingList->model()->index(2, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
        saved &= save(merge, folder, QStringLiteral("merge-selection"));

        ImportedTable imported;
        parseImport("fr;de;eo;notoj\n"
                    "chat;Katze;kato;\n"
                    "chien;Hund;hundo;besto\n"
                    "\"pomme; fruit\";Apfel;pomo;\n"
                    "cheval;Pferd;\"ĉevalo\nvirĉevalo\";\n"
                    "manger;essen;manĝi;verbo\n"
                    "oiseau;Vogel;;\n",
                    u"vortoj.csv", imported);
        CDlg_Importu importPreview(imported, store, &frame);
        importPreview.findChild<QCheckBox*>(QStringLiteral("headerCheckBox"))->setChecked(true);
        importPreview.findChild<QComboBox*>(QStringLiteral("column2ComboBox"))->setCurrentIndex(2);
        saved &= save(importPreview, folder, QStringLiteral("import-preview"));
        QMessageBox importSummary(
            QMessageBox::Information, QStringLiteral("Zenvalo"),
            QStringLiteral("Importitaj: 4 vortoj.\nPreterlasitaj linioj: 1 jam registrita, "
                           "1 kun malplena teksto.\nLinioj kun « ; » aŭ linirompo "
                           "anstataŭigitaj: 2."),
            QMessageBox::Ok, &frame);
        saved &= save(importSummary, folder, QStringLiteral("import-summary"));

        CWordStore game(clock.today(), toText(home.path()));
        game.clearEntries(CWordStore::AfterClear::EmptyDataSet);
        game.setListName1(u"Franca");
        game.setListName2(u"Esperanto");
        const std::u16string words[][2] = {
            {u"chat", u"kato"},     {u"chien", u"hundo"},  {u"cheval", u"ĉevalo"}, {u"maison", u"domo"},
            {u"maisons", u"domoj"}, {u"manger", u"manĝi"}, {u"oiseau", u"birdo"},  {u"poisson", u"fiŝo"},
            {u"arbre", u"arbo"},    {u"fleur", u"floro"},  {u"pain", u"pano"},     {u"eau", u"akvo"}};
        for (const auto& pair : words) {
            WordEntry entry;
            entry.text1 = pair[0];
            entry.text2 = pair[1];
            entry.category = static_cast<int>(game.entries().size() % 3);
            game.appendEntry(entry);
        }
        CDlg_Kiu_kies matching(game, prompts, random, &frame);
        auto* left = matching.findChild<CGridCtrl*>(QStringLiteral("leftGrid"));
        left->setSelectedRange(1, 0, 8, 0);
        matching.findChild<QPushButton*>(QStringLiteral("selectButton"))->click();
        matching.findChild<QPushButton*>(QStringLiteral("scrambleButton"))->click();
        matching.findChild<QCheckBox*>(QStringLiteral("markRightCheckBox"))->click();
        saved &= save(matching, folder, QStringLiteral("matching"));

        addMoreEntries(store);
        CDlg_Modifu modify(store, prompts, &frame);
        modify.findChild<QLineEdit*>(QStringLiteral("searchLineEdit"))->setText(QStringLiteral("an"));
        modify.findChild<CGridCtrl*>(QStringLiteral("entriesGrid"))->setSelectedRange(5, 0, 6, 3);
        saved &= save(modify, folder, QStringLiteral("modify"));
    }
    return saved ? 0 : 1;
}
