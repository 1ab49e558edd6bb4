// Counts the paint events one widget receives, for tests that check a window keeps
// repainting. The counter must not outlive the widget it watches.
#pragma once

#include <QEvent>
#include <QObject>

class CPaintCounter : public QObject {
public:
    explicit CPaintCounter(QObject* pWatched) { pWatched->installEventFilter(this); }
    int m_nPaints = 0;

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Paint) {
            ++m_nPaints;
        }
        return false;
    }
};
