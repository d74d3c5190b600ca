#include "diagnostics/DisplayDebug.h"

#include "diagnostics/WindowFlags.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int kTickMs = 1000;

template <typename W> W* named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    return w;
}

QLineEdit* readOnlyBox(const char* name, const QString& text = QString()) {
    auto* box = named(new QLineEdit(text), name);
    box->setReadOnly(true);
    return box;
}

QLabel* valueLabel(const char* name) {
    auto* label = named(new QLabel, name);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(120);
    return label;
}

} // namespace

DisplayDebug::DisplayDebug(QWidget* owner) : QWidget(owner, kDiagnosticsWindow) {
    setObjectName(QStringLiteral("DisplayDebug"));
    setWindowTitle(QStringLiteral("DisplayDebug"));
    auto* grid = new QGridLayout(this);

    auto* proxy = new QFormLayout;
    Text_Proxy_Address = named(new QLabel(QStringLiteral("Proxy Address")), "Text_Proxy_Address");
    Text_Proxy_Port = named(new QLabel(QStringLiteral("Proxy Port")), "Text_Proxy_Port");
    Text_Proxy_Username =
        named(new QLabel(QStringLiteral("Proxy Username")), "Text_Proxy_Username");
    Text_Proxy_Password =
        named(new QLabel(QStringLiteral("Proxy Password")), "Text_Proxy_Password");
    Proxy_Address = readOnlyBox("Proxy_Address", QStringLiteral("proxy.example.net"));
    Proxy_Port = readOnlyBox("Proxy_Port", QStringLiteral("80"));
    Proxy_Username = readOnlyBox("Proxy_Username", QStringLiteral("username"));
    Proxy_Password = readOnlyBox("Proxy_Password", QStringLiteral("password"));
    Proxy_Password->setEchoMode(QLineEdit::Password);
    proxy->addRow(Text_Proxy_Address, Proxy_Address);
    proxy->addRow(Text_Proxy_Port, Proxy_Port);
    proxy->addRow(Text_Proxy_Username, Proxy_Username);
    proxy->addRow(Text_Proxy_Password, Proxy_Password);
    grid->addLayout(proxy, 0, 0);

    auto* values = new QFormLayout;
    labelLst = valueLabel("labelLst");
    ImgTimerValue = valueLabel("ImgTimerValue");
    DisplaypanControl_Timer = valueLabel("DisplaypanControl_Timer");
    values->addRow(QStringLiteral("labelLst"), labelLst);
    values->addRow(QStringLiteral("ImgTimerValue"), ImgTimerValue);
    values->addRow(QStringLiteral("panControl"), DisplaypanControl_Timer);
    FlagflagCmdButton =
        named(new QPushButton(QStringLiteral("flagCmdButton")), "FlagflagCmdButton");
    DisplayflagCmdButton = readOnlyBox("DisplayflagCmdButton");
    values->addRow(FlagflagCmdButton, DisplayflagCmdButton);
    ViewClockStatus = named(new QPushButton(QStringLiteral("clockStatus")), "ViewClockStatus");
    ValueClockStatus = readOnlyBox("ValueClockStatus");
    values->addRow(ViewClockStatus, ValueClockStatus);
    grid->addLayout(values, 0, 1);

    auto* metrics = new QFormLayout;
    Label2 = valueLabel("Label2");
    Label4 = valueLabel("Label4");
    Label6 = valueLabel("Label6");
    Label8 = valueLabel("Label8");
    Label10 = valueLabel("Label10");
    metrics->addRow(QStringLiteral("Screen.Width.metric"), Label2);
    metrics->addRow(QStringLiteral("Screen.Height.metric"), Label4);
    metrics->addRow(QStringLiteral("whoWeAre.Height, vbHimetric"), Label6);
    metrics->addRow(QStringLiteral("Screen.TwipsPerPixelY"), Label8);
    metrics->addRow(QStringLiteral("RatioXY.metric"), Label10);
    metrics->addRow(new QLabel(QStringLiteral("RatioXY.mm")));
    grid->addLayout(metrics, 1, 0);

    auto* buttons = new QVBoxLayout;
    RunCalcolaSchermo =
        named(new QPushButton(QStringLiteral("RunCalcolaSchermo")), "RunCalcolaSchermo");
    dbSetDwload = named(new QPushButton(QStringLiteral("setDwLoad")), "dbSetDwload");
    Delete_Help_box = named(new QPushButton(QStringLiteral("Delete_Help_box")), "Delete_Help_box");
    Aggiorna = named(new QCheckBox(QStringLiteral("Aggiorna")), "Aggiorna");
    for (QWidget* w : {static_cast<QWidget*>(RunCalcolaSchermo), static_cast<QWidget*>(dbSetDwload),
                       static_cast<QWidget*>(Delete_Help_box), static_cast<QWidget*>(Aggiorna)})
        buttons->addWidget(w);
    grid->addLayout(buttons, 1, 1);

    Text1 = named(new QPlainTextEdit, "Text1");
    Text1->setMaximumBlockCount(kLogLines);
    // A double-click empties the log, so the box's own selection by double-click is not needed.
    Text1->viewport()->installEventFilter(this);
    grid->addWidget(Text1, 2, 0, 1, 2);
    ArrayDebug = named(new QPlainTextEdit, "ArrayDebug");
    ArrayDebug->setReadOnly(true);
    ArrayDebug->hide();
    grid->addWidget(ArrayDebug, 3, 0, 1, 2);

    dbDisplay.setInterval(kTickMs);
}

bool DisplayDebug::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        Text1->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
