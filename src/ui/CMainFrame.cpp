#include "CMainFrame.h"

#include "CAboutDlg.h"
#include "CDlg_Helpo.h"
#include "CDlg_Kiu_kies.h"
#include "CDlg_Modifu.h"
#include "CDlg_Personigu.h"
#include "CDlg_Statistiko.h"
#include "CDlg_Vortprovizo.h"
#include "CDlg_trejnado.h"
#include "CWordStore.h"
#include "CZenvaloView.h"
#include "Clock.h"
#include "DataSetFile.h"
#include "DataSetPaths.h"
#include "FileChooser.h"
#include "Messages.h"
#include "Prompts.h"
#include "QtText.h"
#include "RandomGenerator.h"
#include "RecentFileList.h"
#include "SpeechEngine.h"
#include "ZenvaloSettings.h"

#include <algorithm>

#include <QCloseEvent>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace {

const QString title = QStringLiteral("Zenvalo");

} // namespace

CMainFrame::CMainFrame(const AppContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context),
      m_commands(context.store, context.prompts, context.files, context.recentFiles, context.clock,
                 context.fileSystem),
      m_exchange(context.store, context.prompts, context.files, context.fileSystem),
      m_view(new CZenvaloView(context.store, this))
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(title);
    setWindowIcon(QIcon(QStringLiteral(":/zenvalo/zenvalo.png")));
    setCentralWidget(m_view);
    createMenus();
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    updateCommands();
    m_placementTimer.setInterval(20);
    connect(&m_placementTimer, &QTimer::timeout, this, &CMainFrame::placeOnceFramed);
}

QAction* CMainFrame::addCommand(QMenu* menu, const QString& objectName, const QString& text,
                                const QString& prompt, const QKeySequence& shortcut,
                                void (CMainFrame::*handler)())
{
    QAction* action = menu->addAction(text);
    action->setObjectName(objectName);
    action->setShortcut(shortcut);
    // A prompt's second line, when it has one, is the tooltip of the toolbar button.
    const qsizetype lineBreak = prompt.indexOf(QLatin1Char('\n'));
    action->setStatusTip(prompt.left(lineBreak));
    if (lineBreak >= 0)
        action->setToolTip(prompt.mid(lineBreak + 1));
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void CMainFrame::createMenus()
{
    m_dataSetMenu = menuBar()->addMenu(QStringLiteral("&Datumaro"));
    QMenu* words = menuBar()->addMenu(QStringLiteral("&Vortprovizo"));
    QMenu* training = menuBar()->addMenu(QStringLiteral("&Trejnado"));
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Helpo"));
    m_dataSetMenu->setObjectName(QStringLiteral("dataSetMenu"));
    words->setObjectName(QStringLiteral("wordsMenu"));
    training->setObjectName(QStringLiteral("trainingMenu"));
    help->setObjectName(QStringLiteral("helpMenu"));

    QAction* newAction = addCommand(m_dataSetMenu, QStringLiteral("newAction"), QStringLiteral("&Nova"),
                                    QStringLiteral("Crée un nouveau document\nNouveau"),
                                    QKeySequence(Qt::CTRL | Qt::Key_N), &CMainFrame::newDataSet);
    QAction* openAction =
        addCommand(m_dataSetMenu, QStringLiteral("openAction"), QStringLiteral("&Malfermu..."),
                   QStringLiteral("Ouvre un document existant\nOuvrir"), QKeySequence(Qt::CTRL | Qt::Key_O),
                   &CMainFrame::openDataSet);
    QAction* saveAction = addCommand(m_dataSetMenu, QStringLiteral("saveAction"), QStringLiteral("&Sekurigu"),
                                     QStringLiteral("Sauvegarde"), QKeySequence(Qt::CTRL | Qt::Key_S),
                                     &CMainFrame::saveDataSet);
    addCommand(m_dataSetMenu, QStringLiteral("saveAsAction"), QStringLiteral("Sek&urigu kiel ..."),
               QStringLiteral("Sauvegarde comme ..."), {}, &CMainFrame::saveDataSetAs);
    m_importAction =
        addCommand(m_dataSetMenu, QStringLiteral("importAction"), QStringLiteral("&Importu..."),
                   QStringLiteral("Aldonas vortojn el CSV, TSV aŭ kvtml"), {}, &CMainFrame::importVocabulary);
    m_exportAction = addCommand(m_dataSetMenu, QStringLiteral("exportAction"), QStringLiteral("&Eksportu..."),
                                QStringLiteral("Skribas la datumaron kiel CSV, TSV aŭ kvtml"), {},
                                &CMainFrame::exportVocabulary);
    m_dataSetMenu->addSeparator();
    m_customiseAction = addCommand(m_dataSetMenu, QStringLiteral("customiseAction"),
                                   QStringLiteral("Personigu ..."), {}, {}, &CMainFrame::customise);
    m_dataSetMenu->addSeparator();
    m_recentPlaceholder = m_dataSetMenu->addAction(QStringLiteral("Freŝdataj datumaroj"));
    m_recentPlaceholder->setObjectName(QStringLiteral("recentPlaceholderAction"));
    m_recentPlaceholder->setEnabled(false);
    // The entries of the recent-file list, shown as far as the list goes.
    for (int i = 0; i < RecentFileList::capacity; ++i) {
        QAction* action = m_dataSetMenu->addAction(QString());
        action->setObjectName(QStringLiteral("recentFileAction%1").arg(i + 1));
        action->setStatusTip(QStringLiteral("Ouvre ce document"));
        if (i == 0)
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
        connect(action, &QAction::triggered, this, [this, i] { afterCommand(m_commands.openRecent(i)); });
        m_recentActions.append(action);
    }
    m_dataSetMenu->addSeparator();
    addCommand(m_dataSetMenu, QStringLiteral("exitAction"), QStringLiteral("&Eliru"),
               QStringLiteral("Quitte l'application"), {}, &CMainFrame::exitProgram);

    m_addAction = addCommand(words, QStringLiteral("addAction"), QStringLiteral("&Aldonu..."),
                             QStringLiteral("Aldonas novajn vortojn / Ajoute des nouveaux mots"),
                             QKeySequence(Qt::CTRL | Qt::Key_A), &CMainFrame::addWords);
    m_modifyAction =
        addCommand(words, QStringLiteral("modifyAction"), QStringLiteral("&Modifu..."),
                   QStringLiteral("Modifas aŭ forviŝas la vortojn / Modifie ou supprime les mots"), {},
                   &CMainFrame::modifyWords);
    words->addSeparator();
    m_completeAction = addCommand(words, QStringLiteral("completeAction"), QStringLiteral("&Kompletigu..."),
                                  QStringLiteral("Kunmetu eksteran liston / Importe une liste extérieure"),
                                  QKeySequence(Qt::CTRL | Qt::Key_K), &CMainFrame::completeDataSet);
    m_trainAction = addCommand(training, QStringLiteral("trainAction"), QStringLiteral("&Trejniĝu..."),
                               QStringLiteral("Trejnas la memoron / Entraîne la mémoire"),
                               QKeySequence(Qt::CTRL | Qt::Key_T), &CMainFrame::train);
    m_matchingAction = addCommand(training, QStringLiteral("matchingAction"),
                                  QStringLiteral("Kiu kiesas ? ..."), {}, {}, &CMainFrame::matchingExercise);
    m_statisticsAction = addCommand(
        training, QStringLiteral("statisticsAction"), QStringLiteral("&Statistiko..."),
        QStringLiteral("Montras la skatolojn kaj la venontajn tagojn"), {}, &CMainFrame::showStatistics);
    addCommand(help, QStringLiteral("helpAction"), QStringLiteral("Helpo / Aide"), {}, {},
               &CMainFrame::showHelp);
    addCommand(help, QStringLiteral("aboutAction"), QStringLiteral("&Pri Zenvalo..."),
               QStringLiteral("Affiche des informations sur le programme"), {}, &CMainFrame::showAbout);

    // F10 opens the menu bar, as on the other desktop programs.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        menuBar()->setFocus(Qt::MenuBarFocusReason);
        menuBar()->setActiveAction(m_dataSetMenu->menuAction());
    });

    QToolBar* standard = addToolBar(QStringLiteral("Standard"));
    standard->setObjectName(QStringLiteral("standardToolBar"));
    newAction->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    openAction->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    saveAction->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    standard->addAction(newAction);
    standard->addAction(openAction);
    standard->addAction(saveAction);
}

void CMainFrame::placeAtStart()
{
    placeFrame();
    // A window manager adds its frame only after the window is shown, and tells its size later
    // still: the window is placed again as soon as the frame is known.
    m_frameWaits = 0;
    m_placementTimer.start();
}

void CMainFrame::placeFrame()
{
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(startSize - frame);
    move(startPosition);
}

void CMainFrame::placeOnceFramed()
{
    const bool framed = frameGeometry().size() != geometry().size();
    if (framed)
        placeFrame();
    if (framed || ++m_frameWaits >= maximumFrameWaits)
        m_placementTimer.stop();
}

void CMainFrame::rebuildRecentFiles()
{
    const QStringList& paths = m_context.recentFiles.paths();
    m_recentPlaceholder->setVisible(paths.isEmpty());
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction* action = m_recentActions[i];
        action->setVisible(i < paths.size());
        if (i >= paths.size())
            continue;
        QString shown = RecentFileList::shortened(paths[i]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
    }
}

void CMainFrame::updateCommands()
{
    const int count = m_context.store.count();
    m_customiseAction->setEnabled(count >= 0);
    m_importAction->setEnabled(count >= 0);
    m_exportAction->setEnabled(count >= 0);
    m_addAction->setEnabled(count >= 0);
    m_completeAction->setEnabled(count >= 0);
    m_modifyAction->setEnabled(count > 0);
    m_trainAction->setEnabled(count > 0);
    m_matchingAction->setEnabled(count > 2);
    m_statisticsAction->setEnabled(count > 0);
    rebuildRecentFiles();
}

void CMainFrame::afterCommand(bool redraw)
{
    m_context.settings.setRecentFiles(m_context.recentFiles.paths());
    updateCommands();
    if (redraw)
        m_view->repaint();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The close box ends the program as "Eliru" does: nothing typed since the last save is lost.
    if (!m_commands.exit()) {
        event->ignore();
        return;
    }
    m_context.settings.setRecentFiles(m_context.recentFiles.paths());
    m_context.settings.sync();
    event->accept();
}

void CMainFrame::exitProgram()
{
    close();
}

void CMainFrame::newDataSet()
{
    afterCommand(m_commands.newDataSet());
}

void CMainFrame::openDataSet()
{
    afterCommand(m_commands.open());
}

void CMainFrame::saveDataSet()
{
    m_commands.save();
}

void CMainFrame::saveDataSetAs()
{
    m_commands.saveAs();
    afterCommand(true);
}

void CMainFrame::importVocabulary()
{
    if (m_exchange.importFile(this))
        m_commands.saveTo(false);
    afterCommand(true);
}

void CMainFrame::exportVocabulary()
{
    m_exchange.exportDataSet();
}

void CMainFrame::customise()
{
    // The names reach the file with the next save of the data set; the languages read aloud live in
    // the settings, beside the file.
    const QString dataPath = toQString(m_context.store.dataPath());
    CDlg_Personigu dialog(m_context.store, m_context.prompts, this);
    // The dialog opens at once with the languages chosen before; the voices join them as soon as
    // the speech service has listed them.
    dialog.offerSpeechLanguages({}, m_context.settings.speechLanguages(dataPath));
    m_context.speech.whenReady(&dialog, [this, &dialog] {
        const bool speaks = m_context.speech.unavailableReason().isEmpty();
        dialog.offerSpeechLanguages(speaks ? m_context.speech.languages() : QStringList(),
                                    dialog.shownSpeechLanguages());
    });
    if (dialog.exec() == QDialog::Accepted)
        m_context.settings.setSpeechLanguages(dataPath, dialog.speechLanguages());
}

void CMainFrame::addWords()
{
    if (m_context.store.count() < 0)
        return;
    CDlg_Vortprovizo dialog(m_context.store, m_context.prompts, m_context.beeper, this);
    dialog.exec();
    m_commands.saveTo(false);
    afterCommand(true);
}

void CMainFrame::modifyWords()
{
    if (m_context.store.count() <= 0)
        return;
    CDlg_Modifu dialog(m_context.store, m_context.prompts, this);
    dialog.exec();
    m_commands.saveTo(false);
    afterCommand(true);
}

void CMainFrame::completeDataSet()
{
    m_commands.complete(this);
    afterCommand(true);
}

void CMainFrame::train()
{
    if (m_context.store.count() <= 0)
        return;
    RandomGenerator random(static_cast<std::uint32_t>(m_context.clock.secondsNow()));
    CDlg_trejnado dialog(m_context.store, random, this);
    dialog.setSpeech(m_context.speech,
                     m_context.settings.speechLanguages(toQString(m_context.store.dataPath())));
    dialog.exec();
    m_commands.saveTo(false);
    afterCommand(false);
}

void CMainFrame::matchingExercise()
{
    RandomGenerator random(static_cast<std::uint32_t>(m_context.clock.secondsNow()));
    CDlg_Kiu_kies dialog(m_context.store, m_context.prompts, random, this);
    dialog.exec();
}

void CMainFrame::showStatistics()
{
    if (m_context.store.count() <= 0)
        return;
    CDlg_Statistiko dialog(m_context.store, this);
    dialog.exec();
}

void CMainFrame::showHelp()
{
    CDlg_Helpo dialog(this);
    dialog.exec();
}

void CMainFrame::showAbout()
{
    CAboutDlg dialog(this);
    dialog.exec();
}
