// SPDX-License-Identifier: GPL-3.0-or-later
#include "EasyFunction.h"

#include "AppContext.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QNetworkAccessManager>
#include <QQmlEngine>
#include <QSettings>
#include <QTextDocumentFragment>
#include <QTranslator>

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

QVariant EasyFunction::isNetworkAccessible()
{
    QNetworkAccessManager manager;
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
    return manager.networkAccessible() == QNetworkAccessManager::Accessible;
QT_WARNING_POP
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
