#include "EsperantoQtTexts.h"

#include <cstring>
#include <iterator>

namespace {

struct Text
{
    const char* context;
    const char* source;
    const char16_t* esperanto;
};

// Qt's own texts as its sources write them, context by context.
constexpr Text texts[] = {
    {"QPlatformTheme", "OK", u"Bone"},
    {"QPlatformTheme", "&Yes", u"&Jes"},
    {"QPlatformTheme", "&No", u"&Ne"},
    {"QPlatformTheme", "Yes to &All", u"Jes al ĉ&io"},
    {"QPlatformTheme", "N&o to All", u"Ne al ĉi&o"},
    {"QPlatformTheme", "Cancel", u"Nuligu"},
    {"QPlatformTheme", "Close", u"Fermu"},
    {"QPlatformTheme", "Open", u"Malfermu"},
    {"QPlatformTheme", "Save", u"Konservu"},
    {"QPlatformTheme", "Save All", u"Konservu ĉion"},
    {"QPlatformTheme", "Apply", u"Apliku"},
    {"QPlatformTheme", "Help", u"Helpo"},
    {"QPlatformTheme", "Discard", u"Forĵetu"},
    {"QPlatformTheme", "Abort", u"Ĉesigu"},
    {"QPlatformTheme", "Retry", u"Reprovu"},
    {"QPlatformTheme", "Ignore", u"Ignoru"},
    {"QPlatformTheme", "Reset", u"Restarigu"},
    {"QPlatformTheme", "Restore Defaults", u"Remetu la originalojn"},
    {"QMessageBox", "Show Details...", u"Montru detalojn..."},
    {"QMessageBox", "Hide Details...", u"Kaŝu detalojn..."},
    {"QFileDialog", "Look in:", u"Serĉu en:"},
    {"QFileDialog", "File &name:", u"&Nomo de la dosiero:"},
    {"QFileDialog", "Files of type:", u"Specoj de dosieroj:"},
    {"QFileDialog", "Directory:", u"Dosierujo:"},
    {"QFileDialog", "&Open", u"&Malfermu"},
    {"QFileDialog", "&Save", u"&Konservu"},
    {"QFileDialog", "&Choose", u"&Elektu"},
    {"QFileDialog", "Open", u"Malfermu"},
    {"QFileDialog", "Save As", u"Konservu kiel"},
    {"QFileDialog", "Find Directory", u"Elektu dosierujon"},
    {"QFileDialog", "Back", u"Reen"},
    {"QFileDialog", "Forward", u"Antaŭen"},
    {"QFileDialog", "Parent Directory", u"Supra dosierujo"},
    {"QFileDialog", "Create New Folder", u"Kreu novan dosierujon"},
    {"QFileDialog", "List View", u"Listo"},
    {"QFileDialog", "Detail View", u"Detaloj"},
    {"QFileDialog", "Sidebar", u"Flanka breto"},
    {"QFileDialog", "Recent Places", u"Freŝdataj lokoj"},
    {"QFileDialog", "New Folder", u"Nova dosierujo"},
    {"QFileDialog", "&New Folder", u"&Nova dosierujo"},
    {"QFileDialog", "&Rename", u"&Alinomu"},
    {"QFileDialog", "&Delete", u"&Forigu"},
    {"QFileDialog", "Show &hidden files", u"Montru &kaŝitajn dosierojn"},
    {"QFileDialog", "All Files (*)", u"Ĉiuj dosieroj (*)"},
    {"QFileDialog", "%1 already exists.\nDo you want to replace it?",
     u"%1 jam ekzistas.\nĈu vi deziras anstataŭigi ĝin ?"},
    {"QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given.",
     u"%1\nDosiero ne trovita.\nBonvolu kontroli la nomon de la dosiero."},
    {"QFileDialog", "%1\nDirectory not found.\nPlease verify the correct directory name was given.",
     u"%1\nDosierujo ne trovita.\nBonvolu kontroli la nomon de la dosierujo."},
    {"QFileDialog", "Are you sure you want to delete '%1'?", u"Ĉu vi ja deziras forigi « %1 » ?"},
    {"QFileDialog", "Could not delete directory.", u"Ne eblis forigi la dosierujon."},
    {"QFileSystemModel", "Name", u"Nomo"},
    {"QFileSystemModel", "Size", u"Grando"},
    {"QFileSystemModel", "Type", u"Speco"},
    {"QFileSystemModel", "Kind", u"Speco"},
    {"QFileSystemModel", "Date Modified", u"Modifita"},
    {"QFileSystemModel", "Computer", u"Komputilo"},
    {"QFileSystemModel", "My Computer", u"Komputilo"},
    {"QLineEdit", "&Undo", u"&Malfaru"},
    {"QLineEdit", "&Redo", u"&Refaru"},
    {"QLineEdit", "Cu&t", u"El&tondu"},
    {"QLineEdit", "&Copy", u"&Kopiu"},
    {"QLineEdit", "&Paste", u"&Algluu"},
    {"QLineEdit", "Delete", u"Forigu"},
    {"QLineEdit", "Select All", u"Elektu ĉion"},
    {"QWidgetTextControl", "&Undo", u"&Malfaru"},
    {"QWidgetTextControl", "&Redo", u"&Refaru"},
    {"QWidgetTextControl", "Cu&t", u"El&tondu"},
    {"QWidgetTextControl", "&Copy", u"&Kopiu"},
    {"QWidgetTextControl", "&Paste", u"&Algluu"},
    {"QWidgetTextControl", "Delete", u"Forigu"},
    {"QWidgetTextControl", "Select All", u"Elektu ĉion"},
};

} // namespace

EsperantoQtTexts::EsperantoQtTexts(QObject* parent) : QTranslator(parent) {}

QString EsperantoQtTexts::translate(const char* context, const char* sourceText, const char*, int) const
{
    if (context == nullptr || sourceText == nullptr)
        return {};
    for (const Text& text : texts) {
        if (std::strcmp(text.context, context) == 0 && std::strcmp(text.source, sourceText) == 0)
            return QString::fromUtf16(text.esperanto);
    }
    return {};
}
