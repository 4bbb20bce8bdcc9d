#include "CAboutDlg.h"

#include <algorithm>

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "DialogUnits.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("Pri Zenvalo"));

    auto* iconLabel = new QLabel(this);
    auto* nameLabel =
        new QLabel(QStringLiteral("Zenvalo, versio %1").arg(QStringLiteral(ZENVALO_VERSION)), this);
    auto* descriptionLabel =
        new QLabel(QStringLiteral("Trejnilo de vortprovizo por iu ajn lingvoparo"), this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    nameLabel->setObjectName(QStringLiteral("nameLabel"));
    descriptionLabel->setObjectName(QStringLiteral("descriptionLabel"));

    const DialogUnits units(font());
    units.place(iconLabel, 10, 12, 21, 20);
    units.place(nameLabel, 42, 14, 150, 8);
    units.place(descriptionLabel, 42, 26, 150, 8);
    // The texts take the room they need, keeping 10 units to the right of them; the button, placed
    // afterwards, follows the right edge of the box.
    setFixedSize(std::max(units.x(200), units.x(192) + units.x(10)), units.y(62));
    DialogUnits::fitTexts(this);
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(width() - units.x(57), units.y(41), units.x(50), units.y(14));
    const QSize iconSize = iconLabel->size().boundedTo(QSize(48, 48));
    iconLabel->setPixmap(QIcon(QStringLiteral(":/zenvalo/zenvalo.png")).pixmap(iconSize));
    iconLabel->setAlignment(Qt::AlignCenter);

    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}
