// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>

namespace TestSupport {

// Points settings, data and documents folders at a fresh temporary folder, so a
// test never reads or writes the user's own files. Call before the
// application object is created.
void isolateUserFolders(const QTemporaryDir &dir);

// The environment of a child process of the program whose home, data and
// settings folders lie in `home`.
QProcessEnvironment childEnvironment(const QTemporaryDir &home);

// Keeps a copy of every log message while still passing it on to the test
// framework (so QTest::ignoreMessage keeps working). Install once the test
// run has started, e.g. in initTestCase().
void recordLog();
QStringList &recordedLog();

// A fresh user database file in dir, opened on the program's user connection.
// Returns its path.
QString openFreshUserDatabase(const QTemporaryDir &dir, const QString &fileName = QStringLiteral("user.db"));

// Stores a person through SqloneCustomerModel::newCustomer with fixed codes
// and the texts given; returns what newCustomer returned.
QString addPerson(QObject *customerModel, const QString &name, const QString &simpleNotes = QString(),
                  const QString &moreNotes = QString(), const QString &place = QString(),
                  const QString &originInputTime = QStringLiteral("公历 2019年7月16日 9时5分"));

// Collects the Qt log messages written while it lives (the message text only),
// and keeps them off the test output.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList lines() const;
    bool contains(const QString &line) const { return lines().contains(line); }
    void clear();

private:
    QtMessageHandler m_previous = nullptr;
};

} // namespace TestSupport
