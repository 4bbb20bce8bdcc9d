#pragma once

class QLineEdit;
class QString;
class QWidget;

// Types text into widget one key at a time, as a user would, letters outside Latin-1 included
// (QTest::keyClicks sends those as '?').
void typeText(QWidget* widget, const QString& text);
// Selects everything in the field with Ctrl+A and types text over it.
void retypeText(QLineEdit* field, const QString& text);
// Puts text on the clipboard and pastes it into the field with Ctrl+V.
void pasteText(QLineEdit* field, const QString& text);
