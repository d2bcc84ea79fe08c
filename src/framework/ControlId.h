#pragma once

#include <QString>

// Gives a dialog control its resource id as its object name, by which tests
// and scripted answers find it. Returns the widget, so it can wrap a new.
template <class Widget> Widget* withControlId(Widget* widget, int id) {
    widget->setObjectName(QString::number(id));
    return widget;
}
