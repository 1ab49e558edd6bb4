// Helpers shared by the window's test suites: settings kept in a temporary folder, answers
// to modal boxes from a timer, and game positions to start from.
#pragma once

#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "modal_answerer.h"
#include "pelvar_doc.h"
#include "position.h"
#include "test_positions.h"

// Points the user's settings (the recent-file list, the file dialog's state) at dir, so that
// no test touches the real ones. Call before anything reads settings.
inline void UseTemporarySettings(const QTemporaryDir& dir) {
    QStandardPaths::setTestModeEnabled(true);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
}

// Runs fnAction once, from the event loop of whatever runs next (a search's message pump
// included), as soon as bCondition() holds; it asks every millisecond. Tests use it instead
// of a fixed delay, so that what they check happens in the state they mean however busy the
// machine is. Destroying the object before then cancels the action.
class CWhen : public QObject {
public:
    CWhen(std::function<bool()> bCondition, std::function<void()> fnAction)
        : m_bCondition(std::move(bCondition)), m_fnAction(std::move(fnAction)) {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (m_bCondition()) {
                m_timer.stop();
                m_fnAction();
            }
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
    std::function<bool()> m_bCondition;
    std::function<void()> m_fnAction;
};

// Clicks button of the message box pModal; a box without that button is rejected.
inline void ClickMessageBoxButton(QWidget* pModal, QMessageBox::StandardButton button) {
    auto* pBox = qobject_cast<QMessageBox*>(pModal);
    if (pBox != nullptr && pBox->button(button) != nullptr) {
        pBox->button(button)->click();
    } else if (auto* pDialog = qobject_cast<QDialog*>(pModal)) {
        pDialog->reject();
    }
}

// The document in the middle of a game: pos on the board with no move to mark, nState for
// the human.
inline void SetUpGame(CPelvarDoc& doc, const Position& pos, int nState) {
    doc.m_posCurrent = pos;
    doc.m_posPrevious = pos;
    doc.m_nState = nState;
}

// A game in the sliding phase, nobody with stones in hand, white to pick a stone to slide:
// white on (0,0), (0,3), (3,0), (6,0); black on (0,6), (3,6), (6,6), which form a mill, and
// on (5,5).
inline void SetUpSlidingGame(CPelvarDoc& doc) {
    SetUpGame(doc, BoardWith({{0, 0}, {0, 3}, {3, 0}, {6, 0}}, {{0, 6}, {3, 6}, {6, 6}, {5, 5}}),
              STATE_SELECT_SLIDE);
}
