#include "i18n/LanguageFrame.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

LanguageFrame createLanguageFrame(QWidget* form) {
    LanguageFrame f;
    f.Frame_Select_Language = new QGroupBox("Select Language", form);
    auto* layout = new QVBoxLayout(f.Frame_Select_Language);
    auto* group = new QButtonGroup(f.Frame_Select_Language);
    auto option = [&](const char* caption) {
        auto* b = new QRadioButton(QString::fromUtf8(caption));
        layout->addWidget(b);
        group->addButton(b);
        return b;
    };
    f.English_01 = option("English");
    f.Italian_02 = option("Italiano");
    f.French_03 = option("French");
    f.Spanish_04 = option("Español");
    f.Default_Language = option("Invisible-Default");
    f.Default_Language->hide();
    // The window is black; the frame keeps the light background of a dialog.
    f.Frame_Select_Language->setAutoFillBackground(true);
    f.Frame_Select_Language->adjustSize();
    f.Frame_Select_Language->hide();
    return f;
}
