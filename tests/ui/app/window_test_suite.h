// Base of the window's test suites: before the first test function runs, the user's settings
// are pointed at a temporary folder, so that no test touches the real ones.
#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <QTest>

#include "test_support.h"

class CWindowTestSuite : public QObject {
    Q_OBJECT

protected slots:
    // Run by the test framework by name; a suite with more to prepare declares its own
    // initTestCase and calls this one first.
    void initTestCase() {
        QVERIFY(m_settingsDir.isValid());
        UseTemporarySettings(m_settingsDir);
    }

protected:
    // The folder that holds the user's settings during the suite.
    QString SettingsPath() const { return m_settingsDir.path(); }

private:
    QTemporaryDir m_settingsDir;
};
