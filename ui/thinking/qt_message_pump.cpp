#include "qt_message_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <utility>

CQtMessagePump::CQtMessagePump(std::function<bool()> fnQuitRequested)
    : m_fnQuitRequested(std::move(fnQuitRequested)) {}

int CQtMessagePump::PeekMessage() {
    if (m_bServed) {
        m_bServed = false;
        return 0;
    }
    return 1;
}

int CQtMessagePump::PumpMessage() {
    // The drain ends after this call whatever it returns; set before serving, since a
    // handler inside the pass may peek and pump through this object itself.
    m_bServed = true;
    if (QuitRequested()) {
        return 0;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    ++m_nDispatches;
    m_bServed = true;
    return QuitRequested() ? 0 : 1;
}

void CQtMessagePump::PostQuitMessage(int nExitCode) {
    QCoreApplication::exit(nExitCode);
}
