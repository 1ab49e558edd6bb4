#include "platform_start_guard.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QByteArray>
#include <QGuiApplication>
#include <QString>

#include "user_texts.h"

namespace {

struct HeldMessage {
    QtMsgType eType;
    QByteArray category;
    QString strText;
};

std::vector<HeldMessage> g_heldMessages;

// The warnings held back (which plugin failed how) are for developers and stay unsaid, so the
// user reads one line.
[[noreturn]] void ExitWithoutPlatform() {
    std::fputs(TEXT_NO_PLATFORM, stderr);
    std::_Exit(1);
}

// A fatal message ends the process before the toolkit can abort it.
void HoldOrExit(QtMsgType eType, const QMessageLogContext& context, const QString& strText) {
    if (eType == QtFatalMsg) {
        ExitWithoutPlatform();
    }
    g_heldMessages.push_back({eType, QByteArray(context.category), strText});
}

}  // namespace

CPlatformStartGuard::CPlatformStartGuard() : m_fnPrevious(qInstallMessageHandler(HoldOrExit)) {}

CPlatformStartGuard::~CPlatformStartGuard() {
    qInstallMessageHandler(m_fnPrevious);
    for (const HeldMessage& message : g_heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        m_fnPrevious(message.eType, context, message.strText);
    }
    g_heldMessages.clear();
}

void CPlatformStartGuard::RequireScreen() const {
    if (QGuiApplication::primaryScreen() == nullptr) {
        ExitWithoutPlatform();
    }
}
