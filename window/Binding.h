#pragma once

#include "runtime/ControlArray.h"

#include <QHash>
#include <QObject>
#include <QStringList>

// Ties MainForm's members to what the window description built, by name. A name on one
// side only, or a control of another kind than its member, is a mismatch.
class Binding
{
public:
    // The name of a built control: "PCard(3)" for a member of a control array.
    static QString key(const char *name, int index = -1);

    void add(const QString &key, QObject *built) { m_built.insert(key, built); }

    template <typename Control> void bind(Control *&member, const char *name)
    {
        member = find<Control>(key(name));
    }

    template <typename Control> void bind(rt::ControlArray<Control> &member, const char *name)
    {
        for (int i = 0; i <= 4; ++i)
            member.set(i, find<Control>(key(name, i)));
    }

    // One line for every mismatch, in a stable order; empty when everything is bound.
    QStringList mismatches() const;

    // A window missing a control is no window to play in: stop with the mismatches, in
    // every build.
    void stopUnlessComplete() const;

private:
    template <typename Control> Control *find(const QString &name)
    {
        m_bound.append(name);
        QObject *built = m_built.value(name);
        auto *control = qobject_cast<Control *>(built);
        if (!built)
            m_problems.append(
                QStringLiteral("member %1 has no row in the window description").arg(name));
        else if (!control)
            m_problems.append(QStringLiteral("%1 is described as a %2, but its member is a %3")
                                  .arg(name, QString::fromLatin1(built->metaObject()->className()),
                                       QString::fromLatin1(Control::staticMetaObject.className())));
        return control;
    }

    QHash<QString, QObject *> m_built;
    QStringList m_bound;
    QStringList m_problems;
};

// Binds a MainForm member to the control of the same name, so the name is typed once.
#define OMBRIX_BIND(binding, member) (binding).bind(member, #member)
