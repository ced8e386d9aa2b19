// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class EasyFunction;
class QObject;
class QQmlContext;

// The steps of start-up that connect it to the other subsystems.
namespace ServiceWiring {

void registerTypes();
void openDatabases();
void publishContext(QQmlContext *context);
void applyFirstStartLanguage(EasyFunction *service);
QObject *createRequestObject();

} // namespace ServiceWiring
