// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAtomicInt>
#include <QString>

// Values that live for the whole run and are shared by start-up, the service
// object, the usage report and the database wiring.
namespace AppContext {

// From project(VERSION) in CMakeLists.txt, the one place it is written.
inline const QString applicationVersion = QStringLiteral(QINGYAO_VERSION);
inline const QString userConnectionName = QStringLiteral("userdataconnection");
inline const QString bookConnectionName = QStringLiteral("funcdataconnection");

// Newest version the usage-report server announced; starts as our own.
inline QString latestVersion = applicationVersion;
// "PC", then "/" and the installation identifier once start-up has read it.
inline QString platformIdentity = QStringLiteral("PC");
inline int languageIndex = 0;
inline int startCount = 0;
inline QString userDatabasePath;
inline QString userDatabaseInAppDir = QStringLiteral("0");

} // namespace AppContext

// The process-wide message handler and its in-memory log buffer. Lines are kept
// (and echoed) only while log saving is switched on; critical and fatal
// messages always reach standard error.
namespace AppLog {

constexpr int bufferCap = 204800;
constexpr int bufferKeep = 102400;

void install();
void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);

void setSaving(int on);
int saving();

QString buffer();
void clear();

} // namespace AppLog
