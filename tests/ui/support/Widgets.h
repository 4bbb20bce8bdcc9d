#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// The widget of the given type and object name below parent; a missing one ends the test program
// with its name rather than with a null pointer somewhere later.
template <typename Widget> Widget* child(const QObject* parent, const char* name)
{
    auto* widget = parent->findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr)
        qFatal("no widget %s", name);
    return widget;
}
