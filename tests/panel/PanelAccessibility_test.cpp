// What a screen reader or an automation tool reads of the panel through Qt's accessibility
// interface: every control of every page has a name, the list items and page titles their texts.
#include "PanelFixture.h"

#include "core/PanelControl.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>

namespace {

class PanelAccessibilityTest : public PanelFixture {
protected:
    static QString nameOf(QObject* o) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
        return a ? a->text(QAccessible::Name) : QString();
    }
    // The names of the accessible children of `o`.
    static QStringList childNames(QObject* o) {
        QStringList names;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
        for (int i = 0; a && i < a->childCount(); ++i)
            names << a->child(i)->text(QAccessible::Name);
        return names;
    }
};

} // namespace

TEST_F(PanelAccessibilityTest, EveryControlOfEveryPageHasANameAndTheItemsAndTitlesTheirTexts) {
    ASSERT_TRUE(openPanel());
    form().parts().panelControl->panControl_Timer();
    QTabWidget* tabs = panel().SSTCfg;
    int seen = 0;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        for (QWidget* w : tabs->widget(i)->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w);
            if (!control || !w->isVisible() || w->objectName().isEmpty())
                continue;
            // Backgrounds and the red dots are decoration, not controls.
            if (!qobject_cast<ClickLabel*>(w) && !qobject_cast<QCheckBox*>(w) &&
                qobject_cast<QLabel*>(w)->text().isEmpty())
                continue;
            ++seen;
            EXPECT_FALSE(nameOf(w).trimmed().isEmpty()) << w->objectName().toStdString();
        }
    }
    EXPECT_GT(seen, 60);
    EXPECT_EQ(nameOf(panel().IcoSwapSST2), QStringLiteral("Picture Selection"));

    // The page titles as the tab bar's children, the catalogue's entries as the list's.
    const QStringList titles = childNames(tabs->tabBar());
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_TRUE(titles.contains(tabs->tabText(i))) << tabs->tabText(i).toStdString();
    QListWidget* list = panel().Tabella_Mappe_Selezionate;
    const QStringList items = childNames(list);
    ASSERT_GE(items.size(), list->count());
    for (int i = 0; i < list->count(); ++i)
        EXPECT_TRUE(items.contains(QStringLiteral(" - ") + demo.entries[i].description))
            << demo.entries[i].description.toStdString();
}
