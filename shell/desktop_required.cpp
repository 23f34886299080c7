#include "desktop_required.h"

#include <QList>
#include <QString>
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

void holdOrEnd(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fputs("amorix: no graphical desktop found: start QX Amorix in a desktop session "
                   "(DISPLAY or WAYLAND_DISPLAY set to a running display).\n",
                   stderr);
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
