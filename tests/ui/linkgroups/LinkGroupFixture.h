#pragma once

#include "ui/browser/BrowserFixture.h"

#include "frame/CFavoritesAndLinkGroups.h"
#include "frame/CLinkOpener.h"
#include "framework/MenuBuilder.h"
#include "framework/ScriptedAnswer.h"
#include "linkgroups/LinkGroupStore.h"
#include "res/MessageFormat.h"

#include <QAction>

#include <functional>

// The application with scripted engines, plus helpers for the favorites and
// link-group menus: menu texts and ids, held keys, scripted dialogs.
class LinkGroupFixture : public BrowserFixture {
protected:
    void start(const QStringList& arguments = {}) {
        BrowserFixture::start(arguments);
        frame().Links()->Opener().SetModifierSource([this] { return modifiers; });
    }

    // "id:text" for each item after the first skip ("-" for separators,
    // "~" in front of disabled items, "text>" for submenus).
    static QStringList items(const QMenu* menu, int skip = 0) {
        QStringList list;
        const QList<QAction*> actions = menu->actions();
        for (qsizetype i = skip; i < actions.size(); ++i) {
            const QAction* action = actions[i];
            if (action->isSeparator()) {
                list << "-";
                continue;
            }
            QString text = action->isEnabled() ? QString() : QStringLiteral("~");
            const unsigned id = CommandBinder::commandId(action);
            if (id)
                text += QString::number(id) + ':';
            text += action->text();
            if (action->menu())
                text += '>';
            list << text;
        }
        return list;
    }

    // Runs a dialog of type T through fill, then presses its OK the way the
    // user would (its own checks run) and returns its result.
    template <typename T>
    static void answerWith(std::function<void(T&)> fill) {
        DialogRunner::instance().push(ScriptedAnswer::acting([fill](QDialog& dialog) {
            T& typed = dynamic_cast<T&>(dialog);
            fill(typed);
            typed.accept();
            return typed.result();
        }));
    }
    static void answerButton(int button) {
        DialogRunner::instance().push(ScriptedAnswer::button(button));
    }

    bool run(unsigned id) { return app->Router().execute(id); }

    static QList<LinkGroup> storedGroups() {
        QList<LinkGroup> groups;
        LoadLinkGroups(&groups);
        return groups;
    }

    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
