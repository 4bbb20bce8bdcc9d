#include "EveryDialog.h"

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

EveryDialog::EveryDialog()
{
    store.clearEntries(CWordStore::AfterClear::EmptyDataSet);
    store.setDataTitle(u"Franca-Esperanto");
    store.setCategoryName(1, u"Bestoj");
    const std::u16string words[][2] = {
        {u"chat", u"kato"}, {u"chien", u"hundo"}, {u"pain", u"pano"}, {u"eau", u"akvo"}};
    int category = 0;
    for (const auto& pair : words) {
        WordEntry entry;
        entry.text1 = pair[0];
        entry.text2 = pair[1];
        entry.category = category++ % 2;
        entry.setBothAnswerDates({1, 1, 2016});
        store.appendEntry(entry);
    }
    imported.rows = {{{u"chat", u"kato"}}, {{u"chien", u"hundo"}}};
}

std::vector<std::pair<QString, EveryDialog::Make>> EveryDialog::dialogs()
{
    return {
        {QStringLiteral("add"),
         [this] { return std::make_unique<CDlg_Vortprovizo>(store, prompts, beeper); }},
        {QStringLiteral("modify"), [this] { return std::make_unique<CDlg_Modifu>(store, prompts); }},
        {QStringLiteral("train"), [this] { return std::make_unique<CDlg_trejnado>(store, random); }},
        {QStringLiteral("match"), [this] { return std::make_unique<CDlg_Kiu_kies>(store, prompts, random); }},
        {QStringLiteral("statistics"), [this] { return std::make_unique<CDlg_Statistiko>(store); }},
        {QStringLiteral("customise"), [this] { return std::make_unique<CDlg_Personigu>(store, prompts); }},
        {QStringLiteral("merge"), [this] { return std::make_unique<CDlg_kunmeti>(store, incoming); }},
        {QStringLiteral("import"), [this] { return std::make_unique<CDlg_Importu>(imported, store); }},
        {QStringLiteral("help"), [] { return std::make_unique<CDlg_Helpo>(); }},
        {QStringLiteral("about"), [] { return std::make_unique<CAboutDlg>(); }},
    };
}
