#pragma once

#include "AppContext.h"
#include "DataSetCommands.h"
#include "ExchangeCommands.h"

#include <QList>
#include <QMainWindow>
#include <QTimer>

class CZenvaloView;
class QAction;
class QMenu;

// The main window: menus, the toolbar "Standard" and the status bar around the view. Every command
// is one call into the data-set commands or one modal dialog, after which the window saves and
// redraws as the command requires.
class CMainFrame final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMainFrame)

public:
    static constexpr QPoint startPosition{100, 100};
    static constexpr QSize startSize{360, 335};

    explicit CMainFrame(const AppContext& context, QWidget* parent = nullptr);

    // Places the window at its start position with its outer size, frame included.
    void placeAtStart();
    DataSetCommands& commands() { return m_commands; }
    // Brings menus, toolbar and recent-file entries in line with the word store.
    void updateCommands();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* addCommand(QMenu* menu, const QString& objectName, const QString& text, const QString& prompt,
                        const QKeySequence& shortcut, void (CMainFrame::*handler)());
    void createMenus();
    void placeFrame();
    void placeOnceFramed();
    void rebuildRecentFiles();
    void afterCommand(bool redraw);

    void newDataSet();
    void openDataSet();
    void saveDataSet();
    void saveDataSetAs();
    void importVocabulary();
    void exportVocabulary();
    void exitProgram();
    void customise();
    void addWords();
    void modifyWords();
    void completeDataSet();
    void train();
    void matchingExercise();
    void showStatistics();
    void showHelp();
    void showAbout();

    // How long placeAtStart waits for a window manager's frame: 50 times 20 ms.
    static constexpr int maximumFrameWaits = 50;

    AppContext m_context;
    DataSetCommands m_commands;
    ExchangeCommands m_exchange;
    CZenvaloView* m_view;
    QMenu* m_dataSetMenu = nullptr;
    QAction* m_recentPlaceholder = nullptr;
    QList<QAction*> m_recentActions;
    QAction* m_customiseAction = nullptr;
    QAction* m_importAction = nullptr;
    QAction* m_exportAction = nullptr;
    QAction* m_addAction = nullptr;
    QAction* m_modifyAction = nullptr;
    QAction* m_completeAction = nullptr;
    QAction* m_trainAction = nullptr;
    QAction* m_matchingAction = nullptr;
    QAction* m_statisticsAction = nullptr;
    QTimer m_placementTimer;
    int m_frameWaits = 0;
};
