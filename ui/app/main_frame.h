// The main window: menu, accelerators, the view as client area and the status bar with its
// message pane and the lock-key indicators. It routes commands to the document and the
// application, and keeps the window alive while the document is inside a handler.
#pragma once

#include <map>

#include <QMainWindow>

class CPelvarApp;
class CPelvarDoc;
class CPelvarView;
class CQtFrameworkServices;
class QAction;
class QLabel;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // doc, services and app must outlive the frame.
    CMainFrame(CPelvarDoc& doc, CQtFrameworkServices& services, CPelvarApp& app);
    ~CMainFrame() override;

    CPelvarView* View() const { return m_pView; }

    // Runs command nId as the menu or an accelerator would; a command without a handler, or
    // one that is disabled now, does nothing.
    void OnCommand(int nId);

    // The action of command nId (menu item or accelerator), nullptr for an unknown id.
    QAction* CommandAction(int nId) const;

    // Enables "&Autoplay" and "&Optionen" by the document's state and checks "S&tatusleiste"
    // by the bar's visibility.
    void UpdateCommandStates();

    // The message pane: the idle prompt, a menu item's prompt, or the search's progress.
    void SetMessageText(const QString& strText);
    QString MessageText() const;

    // The text of indicator pane nPaneId ("" while its lock key is off).
    QString IndicatorText(int nPaneId) const;

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    bool event(QEvent* pEvent) override;

private:
    void CreateCommandActions();
    void CreateMenu();
    void CreateAccelerators();
    void CreateStatusBar();
    void UpdateIndicators();
    void OnViewStatusBar();

    CPelvarDoc& m_doc;
    CQtFrameworkServices& m_services;
    CPelvarApp& m_app;
    CPelvarView* m_pView = nullptr;
    std::map<int, QAction*> m_actions;
    QLabel* m_pMessagePane = nullptr;
    std::map<int, QLabel*> m_indicatorPanes;
};
