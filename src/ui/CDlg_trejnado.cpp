#include "CDlg_trejnado.h"

#include "CWordStore.h"
#include "CategoryFilterBox.h"
#include "DialogUnits.h"
#include "QtText.h"

#include <QButtonGroup>
#include <QChildEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const char16_t* const boxCaptions[] = {u"Skatolo1 (ĉiutage)", u"Skatolo2 (ĉiun trian tagon)",
                                       u"Skatolo3 (ĉiusemajne)", u"Skatolo4 (ĉiumonate)",
                                       u"Skatolo5 (ĉiutrimestre)"};
constexpr int boxRows[] = {34, 46, 57, 68, 80};

} // namespace

CDlg_trejnado::CDlg_trejnado(CWordStore& store, RandomSource& random, QWidget* parent)
    : QDialog(parent), m_run(store, random)
{
    setObjectName(QStringLiteral("trejnadoDialog"));
    setWindowTitle(QStringLiteral("Trejnado"));
    buildControls(store);
    m_categoryCodes = fillCategoryFilterBox(*m_categoryCombo, store);
    DialogUnits::fitTexts(this);
    // The accelerators are taken before any control of the dialog sees the key, wherever the
    // focus is within the dialog; other windows of the program keep their keys.
    watchKeys(this);
    showView();
}

CDlg_trejnado::~CDlg_trejnado() = default;

void CDlg_trejnado::watchKeys(QObject* object)
{
    object->installEventFilter(this);
    for (QObject* child : object->children())
        if (child->isWidgetType())
            watchKeys(child);
}

void CDlg_trejnado::buildControls(const CWordStore& store)
{
    const DialogUnits units(font());
    setFixedSize(units.size(405, 215));
    const auto label = [&](const QString& text, const QString& name, int x, int y, int w, int h) {
        auto* widget = new QLabel(text, this);
        widget->setObjectName(name);
        units.place(widget, x, y, w, h);
        return widget;
    };
    const auto button = [&](const QString& text, const QString& name, int x, int y, int w, int h) {
        auto* widget = new QPushButton(text, this);
        widget->setObjectName(name);
        widget->setAutoDefault(false);
        units.place(widget, x, y, w, h);
        return widget;
    };

    m_directionGroup = new QButtonGroup(this);
    const QString arrow = QStringLiteral(" --> ");
    const QString list1 = toQString(store.listName1());
    const QString list2 = toQString(store.listName2());
    auto* direction1 = new QRadioButton(list1 + arrow + list2, this);
    auto* direction2 = new QRadioButton(list2 + arrow + list1, this);
    direction1->setObjectName(QStringLiteral("direction1RadioButton"));
    direction2->setObjectName(QStringLiteral("direction2RadioButton"));
    units.place(direction1, 19, 34, 79, 10);
    units.place(direction2, 19, 51, 82, 10);
    m_directionGroup->addButton(direction1, 1);
    m_directionGroup->addButton(direction2, 2);
    direction1->setChecked(true);

    m_orderGroup = new QButtonGroup(this);
    const struct
    {
        const char16_t* text;
        const char* name;
        int y;
        int width;
    } orders[] = {{u"Kronologie", "chronologicalRadioButton", 34, 49},
                  {u"Alfabete", "alphabeticalRadioButton", 48, 43},
                  {u"Aleatore", "randomRadioButton", 62, 43},
                  {u"Morfologie", "morphologicalRadioButton", 75, 49}};
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf16(orders[i].text), this);
        radio->setObjectName(QString::fromLatin1(orders[i].name));
        units.place(radio, 110, orders[i].y, orders[i].width, 10);
        m_orderGroup->addButton(radio, i);
    }
    m_orderGroup->button(0)->setChecked(true);

    m_categoryCombo = new QComboBox(this);
    m_categoryCombo->setObjectName(QStringLiteral("categoryComboBox"));
    const QRect comboRect = units.rect(66, 95, 93, 30);
    m_categoryCombo->setGeometry(comboRect.x(), comboRect.y(), comboRect.width(),
                                 m_categoryCombo->sizeHint().height());

    for (int box = 0; box < boxCount; ++box) {
        auto* check = new QCheckBox(QString::fromUtf16(boxCaptions[box]), this);
        check->setObjectName(QStringLiteral("box%1CheckBox").arg(box + 1));
        units.place(check, 178, boxRows[box], 110, 10);
        check->setChecked(true);
        m_boxChecks.append(check);
        m_totalLabels.append(
            label({}, QStringLiteral("box%1TotalLabel").arg(box + 1), 303, boxRows[box] + 1, 40, 8));
        m_dueLabels.append(
            label({}, QStringLiteral("box%1DueLabel").arg(box + 1), 349, boxRows[box] + 1, 40, 8));
        connect(check, &QCheckBox::clicked, this, [this, box](bool on) {
            m_run.SetBoxFlag(box + 1, on);
            showView();
        });
    }
    m_automaticDateCheck = new QCheckBox(QStringLiteral("Aŭtomata enkalkulo de la dato"), this);
    m_automaticDateCheck->setObjectName(QStringLiteral("automaticDateCheckBox"));
    units.place(m_automaticDateCheck, 178, 98, 118, 10);
    m_referenceDateLabel = label({}, QStringLiteral("referenceDateLabel"), 190, 108, 46, 8);
    m_justTreatedCheck = new QCheckBox(QStringLiteral("Ĵus pritraktita"), this);
    m_justTreatedCheck->setObjectName(QStringLiteral("justTreatedCheckBox"));
    units.place(m_justTreatedCheck, 178, 118, 64, 10);

    label(QStringLiteral("Kiom da ?"), QStringLiteral("countsHeadingLabel"), 323, 10, 49, 8);
    label(QStringLiteral("Entute"), QStringLiteral("totalHeadingLabel"), 303, 22, 45, 8);
    label(QStringLiteral("Pritraktebla"), QStringLiteral("dueHeadingLabel"), 349, 22, 50, 8);
    m_nextDayButton =
        button(QStringLiteral("Postan tagon"), QStringLiteral("nextDayButton"), 304, 96, 43, 14);
    m_todayButton = button(QStringLiteral("Hodiaŭ"), QStringLiteral("todayButton"), 348, 96, 31, 14);

    m_boxLabel = label({}, QStringLiteral("boxLabel"), 13, 139, 34, 8);
    m_questionEdit = new QLineEdit(this);
    m_questionEdit->setObjectName(QStringLiteral("questionLineEdit"));
    m_questionEdit->setAccessibleName(QStringLiteral("Demandata vorto"));
    units.place(m_questionEdit, 49, 137, 192, 16);
    m_backwardButton = button(QStringLiteral("<"), QStringLiteral("stepBackwardButton"), 242, 138, 15, 14);
    m_forwardButton = button(QStringLiteral(">"), QStringLiteral("stepForwardButton"), 258, 138, 36, 14);
    m_forwardButton->setDefault(true);
    m_answerLabel = label({}, QStringLiteral("answerLabel"), 52, 159, 189, 11);
    m_showButton = button(QStringLiteral("Montru"), QStringLiteral("showButton"), 242, 159, 44, 14);
    m_articleLabel = label({}, QStringLiteral("articleLabel"), 293, 162, 48, 8);
    m_rightButton = button(QStringLiteral("Bone"), QStringLiteral("rightButton"), 69, 177, 59, 17);
    m_keepButton = button({}, QStringLiteral("keepButton"), 136, 177, 7, 18);
    const QString keepHint = QStringLiteral("Restu en la skatolo");
    m_keepButton->setToolTip(keepHint);
    m_keepButton->setAccessibleName(keepHint);
    m_wrongButton = button(QStringLiteral("Malbone"), QStringLiteral("wrongButton"), 149, 177, 53, 18);
    m_listenButton = button(QStringLiteral("Aŭskultu"), QStringLiteral("listenButton"), 296, 138, 44, 14);
    m_undoButton = button(QStringLiteral("Malfaru"), QStringLiteral("undoButton"), 13, 178, 44, 14);
    m_undoButton->setToolTip(QStringLiteral("Malfaras la lastan takson (Ctrl+Z)"));
    auto* exitButton = button(QStringLiteral("Eliru"), QStringLiteral("exitButton"), 360, 194, 38, 14);

    connect(m_directionGroup, &QButtonGroup::idClicked, this, [this](int direction) {
        m_run.SetDirection(direction);
        showView();
    });
    connect(m_orderGroup, &QButtonGroup::idClicked, this, [this](int order) {
        m_run.SetOrder(static_cast<PresentationOrder>(order));
        showView();
    });
    connect(m_categoryCombo, &QComboBox::activated, this, [this](int index) {
        m_run.SetCategoryFilter(m_categoryCodes.value(index, allCategories));
        showView();
    });
    connect(m_automaticDateCheck, &QCheckBox::clicked, this, [this](bool on) {
        m_run.SetAutomaticDate(on);
        showView();
    });
    connect(m_justTreatedCheck, &QCheckBox::clicked, this, [this](bool on) {
        m_run.SetJustTreated(on);
        showView();
    });
    connect(m_nextDayButton, &QPushButton::clicked, this, [this] {
        m_run.AdvanceDay();
        showView();
    });
    connect(m_todayButton, &QPushButton::clicked, this, [this] {
        m_run.BackToToday();
        showView();
    });
    connect(m_questionEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_run.LookUp(toText(text));
        showView();
    });
    connect(m_forwardButton, &QPushButton::clicked, this, [this] { step(StepDirection::Forward); });
    connect(m_backwardButton, &QPushButton::clicked, this, [this] { step(StepDirection::Backward); });
    connect(m_showButton, &QPushButton::clicked, this, [this] {
        m_run.Show();
        showView();
    });
    connect(m_rightButton, &QPushButton::clicked, this, [this] {
        m_run.GradeRight();
        showView();
    });
    connect(m_wrongButton, &QPushButton::clicked, this, [this] {
        m_run.GradeWrong();
        showView();
    });
    connect(m_keepButton, &QPushButton::clicked, this, [this] {
        m_run.GradeKeep();
        showView();
    });
    connect(m_listenButton, &QPushButton::clicked, this, &CDlg_trejnado::speak);
    connect(m_undoButton, &QPushButton::clicked, this, [this] {
        m_run.Undo();
        showView();
    });
    connect(exitButton, &QPushButton::clicked, this, &QDialog::accept);
}

void CDlg_trejnado::step(StepDirection direction)
{
    m_run.Step(direction);
    showView();
    (direction == StepDirection::Forward ? m_forwardButton : m_backwardButton)->setFocus();
}

void CDlg_trejnado::press(QAbstractButton* button)
{
    if (button->isEnabled() && button->isVisible())
        button->click();
}

bool CDlg_trejnado::eventFilter(QObject* watched, QEvent* event)
{
    // A control added later (an editor, a popup) is watched as well.
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            watchKeys(child);
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || (widget != this && !isAncestorOf(widget)))
        return QDialog::eventFilter(watched, event);

    const auto* key = static_cast<QKeyEvent*>(event);
    QAbstractButton* command = nullptr;
    if (key->key() == Qt::Key_F1)
        command = m_rightButton;
    else if (key->key() == Qt::Key_F2)
        command = m_wrongButton;
    else if (key->key() == Qt::Key_F3)
        command = m_listenButton;
    else if (key->key() == Qt::Key_Z && key->modifiers() == Qt::ControlModifier)
        command = m_undoButton;
    else if (key->key() == Qt::Key_Home && key->modifiers() == Qt::NoModifier)
        command = m_todayButton;
    else if (key->key() == Qt::Key_Right && key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier))
        command = m_nextDayButton;
    else if (key->text() == QStringLiteral("*"))
        command = m_showButton;
    else if (key->text() == QStringLiteral("-"))
        command = m_backwardButton;
    else if (key->text() == QStringLiteral("+"))
        command = m_forwardButton;
    if (command == nullptr)
        return QDialog::eventFilter(watched, event);
    press(command);
    return true;
}

void CDlg_trejnado::showView()
{
    const TrainingView& view = m_run.view();
    const ScheduleSettings& settings = m_run.settings();

    if (m_questionEdit->text() != toQString(view.questionText))
        m_questionEdit->setText(toQString(view.questionText));
    QPalette palette = m_questionEdit->palette();
    palette.setColor(QPalette::Base,
                     QColor(view.questionColour.red, view.questionColour.green, view.questionColour.blue));
    palette.setColor(QPalette::Text, needsWhiteText(view.questionColour) ? Qt::white : Qt::black);
    m_questionEdit->setPalette(palette);

    m_boxLabel->setText(toQString(view.boxLabel));
    m_answerLabel->setText(toQString(view.answerLabel));
    m_articleLabel->setText(toQString(view.articleLabel));
    m_showButton->setEnabled(view.showOffered);
    m_rightButton->setEnabled(view.gradeOffered);
    m_wrongButton->setEnabled(view.gradeOffered);
    m_keepButton->setVisible(view.keepShown);
    m_backwardButton->setEnabled(view.backwardOffered);
    m_nextDayButton->setEnabled(view.nextDayOffered);
    m_todayButton->setEnabled(view.todayOffered);
    m_undoButton->setEnabled(view.undoOffered);
    showListening();
    m_referenceDateLabel->setText(toQString(view.referenceDate));

    for (int box = 0; box < boxCount; ++box) {
        m_boxChecks[box]->setChecked(settings.boxFlag(box + 1));
        m_totalLabels[box]->setText(QString::number(view.counts.total[static_cast<std::size_t>(box)]));
        m_dueLabels[box]->setText(QString::number(view.counts.due[static_cast<std::size_t>(box)]));
    }
    // Undo may bring the direction of its grade back.
    m_directionGroup->button(settings.direction())->setChecked(true);
    m_automaticDateCheck->setChecked(settings.automaticDate());
    m_justTreatedCheck->setChecked(settings.justTreated());
}

void CDlg_trejnado::setSpeech(SpeechEngine& engine, const ListLanguages& languages)
{
    m_speech = &engine;
    m_languages = languages;
    // The speech service is started only for a data set whose lists have a language, and in the
    // background: reaching it takes a second or two, which no one should wait for. "Aŭskultu" waits
    // for it, disabled.
    const bool listening = !languages[0].isEmpty() || !languages[1].isEmpty();
    if (!listening) {
        showListening();
        return;
    }
    m_speechUnavailable = QStringLiteral("La parolsintezilo ankoraŭ ne estas preta.");
    showListening();
    engine.whenReady(this, [this, &engine] {
        m_speechUnavailable = engine.unavailableReason();
        showListening();
    });
}

void CDlg_trejnado::showListening()
{
    const SpokenText spoken = m_run.spokenText();
    QString why;
    if (m_speech == nullptr)
        why = QStringLiteral("Neniu parolsintezilo estas instalita.");
    else if (!m_speechUnavailable.isEmpty())
        why = m_speechUnavailable;
    else if (spoken.list != 0 && m_languages[static_cast<std::size_t>(spoken.list - 1)].isEmpty())
        why = QStringLiteral("Elektu la lingvon de tiu listo en « Personigu ... ».");
    m_listenButton->setEnabled(why.isEmpty() && spoken.list != 0 && !spoken.text.empty());
    m_listenButton->setToolTip(why.isEmpty() ? QStringLiteral("Laŭtlegas la vorton (F3)") : why);
}

void CDlg_trejnado::speak()
{
    const SpokenText spoken = m_run.spokenText();
    if (m_speech == nullptr || spoken.list == 0)
        return;
    const QString& language = m_languages[static_cast<std::size_t>(spoken.list - 1)];
    if (!language.isEmpty())
        m_speech->say(toQString(spoken.text), language);
}

void CDlg_trejnado::done(int result)
{
    // "Eliru", Escape and the close box all end the run; the grades are already in the store.
    m_run.Finish();
    QDialog::done(result);
}
