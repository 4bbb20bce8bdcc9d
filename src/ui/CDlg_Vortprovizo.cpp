#include "CDlg_Vortprovizo.h"

#include "Beeper.h"
#include "CWordStore.h"
#include "CZenvaloView.h"
#include "DialogUnits.h"
#include "Messages.h"
#include "Prompts.h"
#include "QtText.h"
#include "StorableText.h"
#include "VocabularyLookup.h"

#include <optional>

#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

CDlg_Vortprovizo::CDlg_Vortprovizo(CWordStore& store, Prompts& prompts, Beeper& beeper, QWidget* parent)
    : QDialog(parent), m_store(store), m_prompts(prompts), m_beeper(beeper), m_index(store),
      m_counterLabel(new QLabel(this)), m_list1Edit(new QLineEdit(this)), m_list2Edit(new QLineEdit(this)),
      m_addButton(new QPushButton(QStringLiteral("Aldonu (F1)"), this))
{
    setObjectName(QStringLiteral("vortprovizoDialog"));
    setWindowTitle(QStringLiteral("Vort-provizo"));
    const DialogUnits units(font());
    setFixedSize(units.size(316, 169));

    auto* counterFrame = new QGroupBox(this);
    units.place(counterFrame, 209, 5, 98, 33);
    counterFrame->lower();
    units.place(m_counterLabel, 229, 20, 66, 8);
    m_counterLabel->setObjectName(QStringLiteral("counterLabel"));

    auto* list1Label = new QLabel(toQString(store.listName1()) + QStringLiteral(" :"), this);
    list1Label->setObjectName(QStringLiteral("list1Label"));
    units.place(list1Label, 24, 28, 120, 8);
    units.place(m_list1Edit, 41, 43, 212, 16);
    m_list1Edit->setObjectName(QStringLiteral("list1LineEdit"));
    list1Label->setBuddy(m_list1Edit);

    auto* list2Label = new QLabel(toQString(store.listName2()) + QStringLiteral(" :"), this);
    list2Label->setObjectName(QStringLiteral("list2Label"));
    units.place(list2Label, 24, 70, 65, 8);
    units.place(m_list2Edit, 43, 88, 212, 16);
    m_list2Edit->setObjectName(QStringLiteral("list2LineEdit"));
    list2Label->setBuddy(m_list2Edit);

    units.place(m_addButton, 114, 122, 62, 14);
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_addButton->setAutoDefault(false);
    auto* exitButton = new QPushButton(QStringLiteral("Eliru"), this);
    exitButton->setObjectName(QStringLiteral("exitButton"));
    units.place(exitButton, 259, 148, 50, 14);
    exitButton->setDefault(true);

    DialogUnits::fitTexts(this);

    setTabOrder(m_list1Edit, m_list2Edit);
    setTabOrder(m_list2Edit, m_addButton);
    setTabOrder(m_addButton, exitButton);

    connect(m_list1Edit, &QLineEdit::textChanged, this, [this] { m_list1Changed = true; });
    m_list1Edit->installEventFilter(this);
    connect(m_addButton, &QPushButton::clicked, this, &CDlg_Vortprovizo::addPair);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &CDlg_Vortprovizo::addPair);

    showCounter();
    m_list1Changed = false;
    m_list1Edit->setFocus();
}

void CDlg_Vortprovizo::showCounter()
{
    m_counterLabel->setText(CZenvaloView::sizeText(m_store.count()));
}

bool CDlg_Vortprovizo::eventFilter(QObject* watched, QEvent* event)
{
    // Only a move to another control of the dialog leaves the field: the opening of a menu (the
    // field's own context menu) or of another window takes the focus without leaving it. The
    // message box of a refusal runs the lookup itself (addPair).
    if (watched == m_list1Edit && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            leaveList1Field();
    }
    return QDialog::eventFilter(watched, event);
}

void CDlg_Vortprovizo::keyPressEvent(QKeyEvent* event)
{
    // Enter on a pair just typed adds it, as F1 does, rather than closing the dialog over it.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        const std::u16string text1 = toText(m_list1Edit->text());
        const std::u16string text2 = toText(m_list2Edit->text());
        if (!text1.empty() && !text2.empty() && !isPairStored(m_store, text1, text2)) {
            addPair();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void CDlg_Vortprovizo::leaveList1Field()
{
    const auto found = m_index.firstWithText1(toText(m_list1Edit->text()));
    const auto translation = found ? std::optional(m_store.entry(*found).text2) : std::nullopt;
    if (translation) {
        if (m_list1Changed)
            m_beeper.beep(beepFrequencyHz, beepDurationMs);
        m_list1Changed = false;
    }
    m_list2Edit->setText(translation ? toQString(*translation) : QString());
}

void CDlg_Vortprovizo::addPair()
{
    const std::u16string text1 = toText(m_list1Edit->text());
    const std::u16string text2 = toText(m_list2Edit->text());
    if (!text1.empty() && !text2.empty()) {
        if (!isStorableText(text1) || !isStorableText(text2)) {
            m_prompts.showWarning(Messages::unstorableText());
        } else if (m_index.holdsPair(text1, text2, m_store.entries().size())) {
            // The message takes the focus from the list-1 field, whose lookup then runs.
            if (m_list1Edit->hasFocus())
                leaveList1Field();
            m_prompts.showWarning(QStringLiteral("Tiu jam estas registrita"));
        } else {
            appendTypedPair(m_store, text1, text2);
            showCounter();
            m_list2Edit->clear();
        }
    }
    m_list1Changed = false;
    m_list1Edit->setFocus();
    m_list1Edit->selectAll();
}
