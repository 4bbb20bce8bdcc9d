#pragma once

#include "IncomingEntries.h"

#include <QDialog>
#include <vector>

class CWordStore;
class IncomingEntriesModel;
class QTreeView;

// "Selekto": lists another user's entries under the current data set's list names, for the user to
// select those worth merging. The selection is read after the dialog closes; nothing is marked in the
// texts themselves. The list shows the entries through a model, so any number opens at once; the
// entries must outlive the dialog.
class CDlg_kunmeti final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDlg_kunmeti)

public:
    CDlg_kunmeti(const CWordStore& store, const std::vector<IncomingEntry>& incoming,
                 QWidget* parent = nullptr);

    // Whether "Konfirmu" closed the dialog with at least one row selected.
    bool isConfirmed() const { return m_confirmed; }
    // One mark per incoming entry, true for the rows selected at "Konfirmu".
    const std::vector<bool>& selected() const { return m_selected; }

protected:
    // The list's inner width decides the columns' widths once it is known.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirm();
    void fitColumns();

    IncomingEntriesModel* m_model;
    QTreeView* m_list;
    bool m_confirmed = false;
    std::vector<bool> m_selected;
};
