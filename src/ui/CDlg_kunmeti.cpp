#include "CDlg_kunmeti.h"

#include "CWordStore.h"
#include "DialogUnits.h"
#include "IncomingEntriesModel.h"
#include "QtText.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

CDlg_kunmeti::CDlg_kunmeti(const CWordStore& store, const std::vector<IncomingEntry>& incoming,
                           QWidget* parent)
    : QDialog(parent), m_model(new IncomingEntriesModel(incoming, toQString(store.listName1()),
                                                        toQString(store.listName2()), this)),
      m_list(new QTreeView(this)), m_selected(incoming.size(), false)
{
    setObjectName(QStringLiteral("kunmetiDialog"));
    setWindowTitle(QStringLiteral("Selekto"));
    const DialogUnits units(font());
    setFixedSize(units.size(363, 206));

    m_list->setObjectName(QStringLiteral("incomingTreeView"));
    m_list->setAccessibleName(QStringLiteral("Eroj de la alia datumaro"));
    units.place(m_list, 19, 14, 325, 162);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setUniformRowHeights(true);
    m_list->setModel(m_model);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A selection stays visible when the list loses the focus.
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    m_list->setPalette(palette);
    m_list->viewport()->installEventFilter(this);

    auto* instruction = new QLabel(QStringLiteral("Bonvolu selekti tion interesan"), this);
    instruction->setObjectName(QStringLiteral("instructionLabel"));
    units.place(instruction, 42, 184, 150, 8);
    auto* cancelButton = new QPushButton(QStringLiteral("Nuligu"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    units.place(cancelButton, 250, 185, 50, 14);
    auto* confirmButton = new QPushButton(QStringLiteral("Konfirmu"), this);
    confirmButton->setObjectName(QStringLiteral("confirmButton"));
    units.place(confirmButton, 306, 185, 50, 14);
    confirmButton->setDefault(true);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(confirmButton, &QPushButton::clicked, this, &CDlg_kunmeti::confirm);
    DialogUnits::fitTexts(this);
}

bool CDlg_kunmeti::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::Resize)
        fitColumns();
    return QDialog::eventFilter(watched, event);
}

void CDlg_kunmeti::fitColumns()
{
    // Each column takes the list's inner width divided by 2.1, the fraction dropped.
    const int width = static_cast<int>(m_list->viewport()->width() / 2.1);
    m_list->setColumnWidth(0, width);
    m_list->setColumnWidth(1, width);
}

void CDlg_kunmeti::confirm()
{
    for (const QModelIndex& row : m_list->selectionModel()->selectedRows()) {
        m_selected[static_cast<std::size_t>(row.row())] = true;
        m_confirmed = true;
    }
    accept();
}
