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
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    nameLabel->setObjectName(QStringLiteral("nameLabel"));
    descriptionLabel->setObjectName(QStringLiteral("descriptionLabel"));
    okButton->setObjectName(QStringLiteral("okButton"));

    const DialogUnits units(font());
    units.place(iconLabel, 10, 12, 21, 20);
    units.place(nameLabel, 42, 14, 150, 8);
    units.place(descriptionLabel, 42, 26, 150, 8);
    // The texts take the room they need; the box and its button follow them.
    int textRight = 0;
    for (QLabel* label : {nameLabel, descriptionLabel}) {
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
        textRight = std::max(textRight, label->geometry().right() + 1);
    }
    const int boxWidth = std::max(units.x(200), textRight + units.x(10));
    setFixedSize(boxWidth, units.y(62));
    okButton->setGeometry(boxWidth - units.x(57), units.y(41), units.x(50), units.y(14));
    const QSize iconSize = iconLabel->size().boundedTo(QSize(48, 48));
    iconLabel->setPixmap(QIcon(QStringLiteral(":/zenvalo/zenvalo.png")).pixmap(iconSize));
    iconLabel->setAlignment(Qt::AlignCenter);

    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}
