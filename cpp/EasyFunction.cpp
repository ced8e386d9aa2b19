// SPDX-License-Identifier: GPL-3.0-or-later
#include "EasyFunction.h"

#include "AppContext.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QNetworkInterface>
#include <QQmlEngine>
#include <QSettings>
#include <QTextDocumentFragment>
#include <QTranslator>

#include <algorithm>

EasyFunction::EasyFunction(QGuiApplication *app, QQmlEngine *engine)
    : QObject(nullptr), m_app(app), m_engine(engine)
{
}

EasyFunction::~EasyFunction()
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }
}

QDateTime EasyFunction::getCurrentDateTime()
{
    return QDateTime::currentDateTime();
}

QVariant EasyFunction::getHtmlFromClipboard()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    const QMimeData *data = clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
    if (!data || !(data->hasHtml() || data->hasText()))
        return QStringLiteral("false");
    if (data->hasText())
        return data->text();
    // HTML alone: give its plain-text form.
    return QTextDocumentFragment::fromHtml(data->html()).toPlainText();
}

QVariant EasyFunction::setTextToClipboard(QString text)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(text, QClipboard::Clipboard);
    return QStringLiteral("true");
}

QVariant EasyFunction::clearTheClipboard()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->clear(QClipboard::Clipboard);
    return QStringLiteral("true");
}

QVariant EasyFunction::allowtosavelog()
{
    QSettings().setValue(QStringLiteral("allowtosavelog"), QStringLiteral("1"));
    AppLog::setSaving(1);
    return 0;
}

QVariant EasyFunction::avoidtosavelog()
{
    QSettings().setValue(QStringLiteral("allowtosavelog"), QStringLiteral("0"));
    AppLog::setSaving(0);
    return 0;
}

QVariant EasyFunction::changLanguage()
{
    const int lang = AppContext::languageIndex;
    if (lang != 0 && lang != 1)
        return 1;

    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
        m_translator = nullptr;
    }
    m_translator = new QTranslator;
    if (lang == 0) {
        if (m_translator->load(QStringLiteral(":/lang/lang_Chinese_Simp.qm")))
            qWarning() << "load Simp ok.";
        else
            qWarning() << "load lang_Chinese_Simp.qm failed.";
    } else {
        if (m_translator->load(QStringLiteral(":/lang/lang_Chinese_Trad.qm")))
            qWarning() << "load Trad ok.";
        else
            qWarning() << "load lang_Chinese_Trad.qm failed.";
    }

    if (QCoreApplication::installTranslator(m_translator)) {
        qWarning() << "installTranslator ok.";
        if (m_engine)
            m_engine->retranslate();
        return 0;
    }
    qWarning() << "installTranslator failed.";
    return -1;
}

QVariant EasyFunction::changLanguageIndex(int langnum)
{
    AppContext::languageIndex = langnum;
    QSettings().setValue(QStringLiteral("appLanguage"), QString::number(langnum));
    return 0;
}

QVariant EasyFunction::getValueByKeyFromSettings(QString keystr, QVariant defaultValue)
{
    return QSettings().value(keystr, defaultValue);
}

QVariant EasyFunction::setValueByKeyFromSettings(QString keystr, QVariant qVal)
{
    QSettings().setValue(keystr, qVal);
    return 0;
}

// Qt 5.15 has no current form of the access manager's accessibility (its
// successor, QNetworkInformation, came with Qt 6.1). The manager's answer
// came from the interfaces on a desktop, and so does ours: accessible when
// an interface other than loopback is up and running with an address. No
// interface information counts as not accessible.
QVariant EasyFunction::isNetworkAccessible()
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    return std::any_of(interfaces.cbegin(), interfaces.cend(), [](const QNetworkInterface &i) {
        const QNetworkInterface::InterfaceFlags flags = i.flags();
        return flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning)
               && !flags.testFlag(QNetworkInterface::IsLoopBack) && !i.addressEntries().isEmpty();
    });
}

QVariant EasyFunction::getTheLatestAppLog()
{
    return AppLog::buffer();
}

QVariant EasyFunction::clearTheLatestAppLog()
{
    AppLog::clear();
    return 0;
}
