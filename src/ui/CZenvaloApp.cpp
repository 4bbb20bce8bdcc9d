#include "CZenvaloApp.h"

#include "CMainFrame.h"
#include "CMyFileDialog.h"
#include "CWordStore.h"
#include "Clock.h"
#include "DialogWindows.h"
#include "EsperantoQtTexts.h"
#include "Looks.h"
#include "TextCodec.h"
#include "ProgramFolders.h"
#include "QtPrompts.h"
#include "QtSpeechEngine.h"
#include "QtText.h"
#include "RecentFileList.h"
#include "ToneBeeper.h"
#include "ZenvaloSettings.h"

#include <QIcon>

CZenvaloApp::CZenvaloApp(int& argc, char** argv) : m_application(argc, argv)
{
    // The file named on the command line, as the bytes of its name: Qt's own arguments would lose
    // a name that is not valid UTF-8.
    if (argc > 1)
        m_commandLineFile = pathFromBytes(argv[1]);
    QApplication::setApplicationName(QStringLiteral("Zenvalo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/zenvalo/zenvalo.png")));
    m_application.installEventFilter(new DialogWindows(&m_application));
    QCoreApplication::installTranslator(new EsperantoQtTexts(&m_application));
    m_clock = std::make_unique<SystemClock>();
    m_prompts = std::make_unique<QtPrompts>();
    m_files = std::make_unique<CMyFileDialog>();
    m_settings = std::make_unique<ZenvaloSettings>(m_fileSystem);
    m_recentFiles = std::make_unique<RecentFileList>(m_settings->recentFiles());
    m_beeper = std::make_unique<ToneBeeper>();
    m_speech = std::make_unique<QtSpeechEngine>();
    m_store = std::make_unique<CWordStore>(m_clock->today(), toText(DataSetCommands::documentsFolder()));
}

CZenvaloApp::~CZenvaloApp() = default;

int CZenvaloApp::run()
{
    ProgramFolders::installStarterData(ProgramFolders::programFolder(),
                                       ProgramFolders::installedDataFolder());
    const int look = m_settings->look();
    Looks::apply(look);
    m_settings->setLook(look);

    const AppContext context{*m_store,       *m_prompts, *m_files,  *m_clock,    *m_settings,
                             *m_recentFiles, *m_beeper,  *m_speech, m_fileSystem};
    m_mainFrame = std::make_unique<CMainFrame>(context);
    m_mainFrame->show();
    m_mainFrame->placeAtStart();

    // A data set named on the command line, as a file manager passes it, opens like a recent file.
    if (!m_commandLineFile.empty()) {
        m_mainFrame->commands().openPath(toQString(m_commandLineFile));
        m_mainFrame->updateCommands();
        m_mainFrame->update();
    }
    return QApplication::exec();
}
