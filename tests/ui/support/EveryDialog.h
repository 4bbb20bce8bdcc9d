#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "CWordStore.h"
#include "FakePrompts.h"
#include "FakeServices.h"
#include "ImportedTable.h"
#include "IncomingEntries.h"
#include "RandomGenerator.h"

// Every dialog of the program, each built on demand over one small data set ("Franca-Esperanto",
// four entries, category 1 "Bestoj"), for the checks that go over all of them.
struct EveryDialog
{
    using Make = std::function<std::unique_ptr<QDialog>()>;

    EveryDialog();

    std::vector<std::pair<QString, Make>> dialogs();

    CWordStore store{{10, 3, 2016}, u""};
    FakePrompts prompts;
    FakeBeeper beeper;
    RandomGenerator random{1};
    std::vector<IncomingEntry> incoming{{u"chat", u"kato"}, {u"cheval", u"ĉevalo"}};
    ImportedTable imported;
};
