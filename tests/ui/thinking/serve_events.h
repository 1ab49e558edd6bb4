// Helpers of the thinking tests: serving the event queue until a condition holds, and
// printing QStrings.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <ostream>

// Lets gtest print QStrings in failure messages.
inline void PrintTo(const QString& str, std::ostream* pOut) {
    *pOut << '"' << str.toStdString() << '"';
}

// Serves the event queue until bDone() holds; returns bDone(). The wait gives up after
// HANG_GUARD_MS only so that a broken timer fails the test instead of hanging it: the bound
// says nothing about speed, and no test relies on it to pass.
inline constexpr int HANG_GUARD_MS = 30000;

template <class Done>
bool ServeEventsUntil(Done bDone) {
    QElapsedTimer clock;
    clock.start();
    while (!bDone() && clock.elapsed() < HANG_GUARD_MS) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return bDone();
}
