#include "desktop_required.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace amorix {
namespace {

QtMessageHandler previousHandler = nullptr;

struct HeldMessage {
    QtMsgType type;
    QString text;
};
QList<HeldMessage>& held()
{
    static QList<HeldMessage> messages;
    return messages;
}

// Why Qt could not start: the warnings it gave before giving up (such as
// that a display could not be connected to), else the first line of its
// last word; on one line.
QString reason(const QString& fatal)
{
    QStringList warnings;
    for (const HeldMessage& message : std::as_const(held()))
        if (message.type != QtDebugMsg && message.type != QtInfoMsg)
            warnings.append(message.text.simplified());
    return warnings.isEmpty() ? fatal.section(u'\n', 0, 0).simplified() : warnings.join(QStringLiteral("; "));
}

void holdOrEnd(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg) {
        const QString line = QStringLiteral("amorix: no graphical desktop found (%1): start QX Amorix in a desktop "
                                            "session (DISPLAY or WAYLAND_DISPLAY set to a running display).\n")
                                 .arg(reason(text));
        std::fputs(line.toLocal8Bit().constData(), stderr);
        std::_Exit(1);
    }
    held().append({type, text});
}

} // namespace

DesktopRequired::DesktopRequired() { previousHandler = qInstallMessageHandler(holdOrEnd); }

DesktopRequired::~DesktopRequired()
{
    qInstallMessageHandler(previousHandler);
    const QMessageLogContext context;
    for (const HeldMessage& message : std::as_const(held()))
        qt_message_output(message.type, context, message.text);
    held().clear();
}

} // namespace amorix
