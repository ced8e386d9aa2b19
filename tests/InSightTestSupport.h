// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers shared by the chart-engine tests.

#include "InSight.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <QVariantMap>

#include <memory>
#include <vector>

namespace InSightTestSupport {

// Every property of the chart engine by name.
inline QVariantMap snapshot(const InSight &s)
{
    QVariantMap values;
    const QMetaObject *mo = s.metaObject();
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
        values.insert(QString::fromLatin1(mo->property(i).name()), mo->property(i).read(&s));
    return values;
}

// One spy on every change signal; total() counts all emissions.
class AllSignals
{
public:
    explicit AllSignals(InSight &s)
    {
        const QMetaObject *mo = s.metaObject();
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i)
            if (mo->method(i).methodType() == QMetaMethod::Signal)
                spies.push_back(std::make_unique<QSignalSpy>(&s, QByteArray("2" + mo->method(i).methodSignature()).constData()));
    }
    int total() const
    {
        int n = 0;
        for (const auto &spy : spies)
            n += spy->count();
        return n;
    }

private:
    std::vector<std::unique_ptr<QSignalSpy>> spies;
};

} // namespace InSightTestSupport
