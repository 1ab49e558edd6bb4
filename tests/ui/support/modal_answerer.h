// Answers to modal windows from a timer, for tests of code that runs a modal loop. An
// answerer belongs to the test that made it: destroying it stops its timer, so it can never
// reach into a later test.
#pragma once

#include <functional>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// Waits (from the event loop of whatever runs next) for a modal widget other than the one
// active now and hands it to fnAnswer once. The poll gives up after nTimeoutMs; *pbSeen, when
// given, tells whether a widget came.
class CModalAnswerer : public QObject {
public:
    explicit CModalAnswerer(std::function<void(QWidget*)> fnAnswer, bool* pbSeen = nullptr,
                            int nTimeoutMs = 5000)
        : m_fnAnswer(std::move(fnAnswer)),
          m_pbSeen(pbSeen),
          m_pBefore(QApplication::activeModalWidget()),
          m_nPollsLeft(nTimeoutMs / POLL_MS) {
        if (m_pbSeen != nullptr) {
            *m_pbSeen = false;
        }
        m_timer.setInterval(POLL_MS);
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &CModalAnswerer::Poll);
        m_timer.start();
    }

private:
    static constexpr int POLL_MS = 10;

    void Poll() {
        QWidget* pModal = QApplication::activeModalWidget();
        if (pModal != nullptr && pModal != m_pBefore && pModal->isVisible()) {
            m_timer.stop();
            if (m_pbSeen != nullptr) {
                *m_pbSeen = true;
            }
            m_fnAnswer(pModal);
            return;
        }
        if (--m_nPollsLeft <= 0) {
            m_timer.stop();
        }
    }

    QTimer m_timer;
    std::function<void(QWidget*)> m_fnAnswer;
    bool* m_pbSeen;
    QPointer<QWidget> m_pBefore;
    int m_nPollsLeft;
};
