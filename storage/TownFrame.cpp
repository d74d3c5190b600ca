#include "storage/TownFrame.h"

#include "base/ClickLabel.h"
#include "i18n/Messages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TownFrame createTownFrame(QWidget* form) {
    TownFrame f;
    f.FormYourTown = new QGroupBox(
        "Town - Place - State - Country   File Nimbrisco4_Work\\Nimbrisco4_MyTown.dat", form);
    auto* layout = new QGridLayout(f.FormYourTown);
    for (int i = 0; i < 14; ++i) {
        f.PARAM[i] = new QLineEdit;
        layout->addWidget(f.PARAM[i], i / 2, i % 2);
    }
    f.Farenaith = new QRadioButton("Fahrenheit");
    f.Centigradi = new QRadioButton("Celsius");
    f.OkYourTown = new QPushButton("OK");
    f.Label5 = new ClickLabel(i18n::text::kTownCountryHint);
    f.Label5->setObjectName(QStringLiteral("Label5"));
    f.Label5->setCursor(Qt::PointingHandCursor);
    layout->addWidget(f.Label5, 7, 0, 1, 2);
    layout->addWidget(f.Farenaith, 8, 0);
    layout->addWidget(f.Centigradi, 8, 1);
    layout->addWidget(f.OkYourTown, 9, 0, 1, 2);
    // The window is black; the frame keeps the light background of a dialog.
    f.FormYourTown->setAutoFillBackground(true);
    f.FormYourTown->adjustSize();
    f.FormYourTown->hide();
    return f;
}
