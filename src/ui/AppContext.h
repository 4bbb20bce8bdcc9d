#pragma once

class Beeper;
class Clock;
class CWordStore;
class FileChooser;
class FileSystem;
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
    // The one file system that every read and save of the program goes through.
    FileSystem& fileSystem;
};
