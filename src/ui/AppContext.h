#pragma once

class Beeper;
class Clock;
class CWordStore;
class FileChooser;
class Prompts;
class RecentFileList;
class SpeechEngine;
class ZenvaloSettings;

// What the main window and its dialogs work with, handed down by reference.
struct AppContext
{
    CWordStore& store;
    Prompts& prompts;
    FileChooser& files;
    const Clock& clock;
    ZenvaloSettings& settings;
    RecentFileList& recentFiles;
    Beeper& beeper;
    SpeechEngine& speech;
};
