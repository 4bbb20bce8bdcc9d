#pragma once

#include <QDialog>

class QLabel;
class QRadioButton;
class QTreeWidget;

// The short guide to the program, in Esperanto or in French at the user's choice. It reads and
// changes nothing; it always opens in Esperanto.
class CDlg_Helpo final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDlg_Helpo)

public:
    enum class Language
    {
        Esperanto,
        French
    };

    static constexpr int rowCount = 29;

    explicit CDlg_Helpo(QWidget* parent = nullptr);

    Language language() const { return m_language; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fitToFont();
    void showLanguage(Language language);
    void fitColumn();

    Language m_language = Language::Esperanto;
    QRadioButton* m_esperantoRadio;
    QRadioButton* m_frenchRadio;
    QLabel* m_invitationLabel;
    QLabel* m_pathLabel;
    QTreeWidget* m_list;
};
