#pragma once

#include <memory>
#include <string>

#include <QApplication>

#include "PosixFileSystem.h"

class CMainFrame;
class CMyFileDialog;
class CWordStore;
class QtPrompts;
class QtSpeechEngine;
class RecentFileList;
class SystemClock;
class ToneBeeper;
class ZenvaloSettings;

// The program: the platform services, the word store and the main window, set up in that order.
class CZenvaloApp final
{
public:
    CZenvaloApp(int& argc, char** argv);
    ~CZenvaloApp();
    CZenvaloApp(const CZenvaloApp&) = delete;
    CZenvaloApp& operator=(const CZenvaloApp&) = delete;

    int run();

private:
    QApplication m_application;
    PosixFileSystem m_fileSystem;
    std::unique_ptr<SystemClock> m_clock;
    std::unique_ptr<QtPrompts> m_prompts;
    std::unique_ptr<CMyFileDialog> m_files;
    std::unique_ptr<ZenvaloSettings> m_settings;
    std::unique_ptr<RecentFileList> m_recentFiles;
    std::unique_ptr<ToneBeeper> m_beeper;
    std::unique_ptr<QtSpeechEngine> m_speech;
    std::unique_ptr<CWordStore> m_store;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::u16string m_commandLineFile;
};
