#include "window/Binding.h"

#include <QtGlobal>

QString Binding::key(const char *name, int index)
{
    const QString plain = QString::fromLatin1(name);
    return index < 0 ? plain : QStringLiteral("%1(%2)").arg(plain).arg(index);
}

QStringList Binding::mismatches() const
{
    QStringList found = m_problems;
    QStringList unbound;
    for (auto it = m_built.cbegin(); it != m_built.cend(); ++it)
        if (!m_bound.contains(it.key()))
            unbound.append(
                QStringLiteral("row %1 of the window description has no member").arg(it.key()));
    unbound.sort();
    return found + unbound;
}

void Binding::stopUnlessComplete() const
{
    const QStringList found = mismatches();
    if (!found.isEmpty())
        qFatal("The window description and MainForm's members disagree:\n  %s",
               qPrintable(found.join(QStringLiteral("\n  "))));
}
