// The main window: menu, accelerators, the view as client area and the status bar with its
// message pane and the lock-key indicators. It routes commands to the document and the
// application, and keeps the window alive while the document is inside a handler.
#pragma once

#include <map>

#include <QMainWindow>

#include "app_commands.h"
#include "document_window.h"
#include "menu_keys.h"

class CPelvarDoc;
class CPelvarView;
class CQtFrameworkServices;
class QAction;
class QLabel;

class CMainFrame : public QMainWindow, public CDocumentWindow {
    Q_OBJECT

public:
    // doc, services and commands must outlive the frame.
    CMainFrame(CPelvarDoc& doc, CQtFrameworkServices& services, CAppCommands& commands);
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

    // --- The window as the framework services see it ----------------------------------------
    QWidget* OwnerWidget() override { return this; }
    void UpdateDocumentView(int nHint) override;
    void AnnounceInView(const std::string& strText) override;
    void PaintViewNow() override;
    void StartThinkTimer(int nMilliseconds) override;
    void AnnounceNow() override;

    // The message pane: the idle prompt, a menu item's prompt, or the search's progress.
    void SetMessageText(const QString& strText);
    QString MessageText() const;

    // The text of indicator pane nPaneId ("" while its lock key is off).
    QString IndicatorText(int nPaneId) const;

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    bool event(QEvent* pEvent) override;
    // F10, and Alt pressed and released alone, on the board open the menu bar's first menu.
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void CreateCommandActions();
    void CreateMenu();
    void CreateAccelerators();
    void CreateStatusBar();
    void UpdateIndicators();
    void OnViewStatusBar();

    CPelvarDoc& m_doc;
    CQtFrameworkServices& m_services;
    CAppCommands& m_commands;
    CPelvarView* m_pView = nullptr;
    std::map<int, QAction*> m_actions;
    QLabel* m_pMessagePane = nullptr;
    std::map<int, QLabel*> m_indicatorPanes;
    CMenuKeys m_menuKeys;
};
