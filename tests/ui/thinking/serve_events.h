// Helpers of the thinking tests: serving the event queue for a while and printing QStrings.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <ostream>

// Lets gtest print QStrings in failure messages.
inline void PrintTo(const QString& str, std::ostream* pOut) {
    *pOut << '"' << str.toStdString() << '"';
}

// Serves the event queue until bDone() holds or nTimeoutMs have passed; returns bDone().
template <class Done>
bool ServeEventsUntil(Done bDone, int nTimeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!bDone() && clock.elapsed() < nTimeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return bDone();
}
