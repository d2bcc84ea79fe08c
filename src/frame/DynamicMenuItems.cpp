#include "frame/DynamicMenuItems.h"

#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QAction>
#include <QMenu>

QString dynamicMenuText(const QString& name) {
    QString text = name;
    return text.replace(u'&', QStringLiteral("&&"));
}

void removeDynamicItems(QMenu* menu, int keep, bool deleteSubmenus) {
    const QList<QAction*> actions = menu->actions();
    for (qsizetype i = keep; i < actions.size(); ++i) {
        QAction* action = actions[i];
        QMenu* sub = action->menu();
        menu->removeAction(action);
        if (sub) {
            if (deleteSubmenus)
                sub->deleteLater();
        } else if (action->parent() == menu) {
            delete action;
        }
    }
}

void addEmptyMenuItem(QMenu* menu) {
    menu->addAction(res::loadString(sid::EmptyMenu))->setEnabled(false);
}
