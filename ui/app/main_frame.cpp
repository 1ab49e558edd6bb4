#include "main_frame.h"

#include <array>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include "accelerator_keys.h"
#include "accelerator_table.h"
#include "keyboard_indicators.h"
#include "menu_table.h"
#include "pelvar_doc.h"
#include "pelvar_view.h"
#include "qt_framework_services.h"
#include "resource_ids.h"
#include "resource_images.h"
#include "resource_text.h"

namespace {

// The status bar's panes after the stretching message pane, left to right.
constexpr std::array<int, 3> INDICATOR_PANES = {ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                                ID_INDICATOR_SCRL};

// How often the lock keys' state is read where the platform tells it.
constexpr int INDICATOR_POLL_MS = 200;

// The picture reaches about 747 x 588 pixels into the client area; the first window shows
// it whole where the screen allows.
constexpr QSize PREFERRED_CLIENT_SIZE(800, 640);

// Short name of a command without a menu item: its string after the first "\n".
QString CommandShortName(int nId) {
    const QString strText = LoadResourceText(nId);
    const qsizetype nBreak = strText.indexOf(QLatin1Char('\n'));
    return nBreak < 0 ? strText : strText.mid(nBreak + 1);
}

}  // namespace

CMainFrame::CMainFrame(CPelvarDoc& doc, CQtFrameworkServices& services, CAppCommands& commands)
    : m_doc(doc), m_services(services), m_commands(commands) {
    setWindowIcon(LoadResourceIcon(IDR_MAINFRAME));
    CreateCommandActions();
    CreateMenu();
    CreateAccelerators();
    CreateStatusBar();

    m_pView = new CPelvarView(doc, this);
    setCentralWidget(m_pView);
    // The board has the keyboard focus when the window opens.
    m_pView->setFocus();
    m_pView->installEventFilter(this);
    m_pView->SetStatusTextFn([this](const QString& strText) { SetMessageText(strText); });

    // The framework's default size: about three quarters of the screen, at least the size
    // that shows the whole picture where the screen has room for it.
    if (const QScreen* pScreen = screen()) {
        const QSize available = pScreen->availableSize();
        const QSize wanted = (available * 3 / 4).expandedTo(PREFERRED_CLIENT_SIZE);
        resize(wanted.boundedTo(available));
    }
    UpdateCommandStates();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::CreateCommandActions() {
    // One action per command, shared by menu items and accelerators. Its text is the menu
    // item's, or the command's short name for commands reached by keys only.
    auto addCommand = [this](int nId, const QString& strText) {
        if (m_actions.count(nId) != 0) {
            return;
        }
        auto* pAction = new QAction(strText, this);
        pAction->setData(nId);
        connect(pAction, &QAction::triggered, this, [this, nId] { OnCommand(nId); });
        addAction(pAction);
        m_actions[nId] = pAction;
    };
    for (const MenuPopupTemplate& popup : MainMenu()) {
        for (const MenuItemTemplate& item : popup.items) {
            if (item.nCommandId != 0) {
                addCommand(item.nCommandId, QString::fromUtf8(item.pszText));
            }
        }
    }
    for (const AcceleratorEntry& entry : MainAccelerators()) {
        addCommand(entry.nCommandId, CommandShortName(entry.nCommandId));
    }
    m_actions.at(ID_VIEW_STATUS_BAR)->setCheckable(true);
}

void CMainFrame::CreateMenu() {
    for (const MenuPopupTemplate& popup : MainMenu()) {
        QMenu* pMenu = menuBar()->addMenu(QString::fromUtf8(popup.pszText));
        for (const MenuItemTemplate& item : popup.items) {
            if (item.nCommandId == 0) {
                pMenu->addSeparator();
            } else {
                pMenu->addAction(m_actions.at(item.nCommandId));
            }
        }
        // A search pumps messages, so a menu can open in the middle of one: its items are
        // brought up to date at every opening.
        connect(pMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
        connect(pMenu, &QMenu::hovered, this, [this](QAction* pAction) {
            SetMessageText(pAction->isSeparator() ? QString()
                                                  : CommandPromptText(pAction->data().toInt()));
        });
        connect(pMenu, &QMenu::aboutToHide, this,
                [this] { SetMessageText(LoadResourceText(AFX_IDS_IDLEMESSAGE)); });
    }
}

void CMainFrame::CreateAccelerators() {
    // Keys of one command in table order; the commands are already actions of the window,
    // so the keys work whether or not the command has a menu item.
    std::map<int, QList<QKeySequence>> keysOfCommand;
    for (const AcceleratorEntry& entry : MainAccelerators()) {
        keysOfCommand[entry.nCommandId].append(AcceleratorKeySequence(entry));
    }
    for (const auto& [nId, keys] : keysOfCommand) {
        m_actions.at(nId)->setShortcuts(keys);
        m_actions.at(nId)->setShortcutContext(Qt::WindowShortcut);
    }
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* pBar = statusBar();
    m_pMessagePane = new QLabel(LoadResourceText(AFX_IDS_IDLEMESSAGE), pBar);
    m_pMessagePane->setTextFormat(Qt::PlainText);
    pBar->addWidget(m_pMessagePane, 1);

    // Each indicator pane is as wide as its text and shows it while its key is on.
    for (int nId : INDICATOR_PANES) {
        auto* pPane = new QLabel(pBar);
        pPane->setTextFormat(Qt::PlainText);
        pPane->setAlignment(Qt::AlignCenter);
        pPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const int nTextWidth = pPane->fontMetrics().horizontalAdvance(LoadResourceText(nId));
        pPane->setFixedWidth(nTextWidth + 2 * pPane->frameWidth() + pPane->fontMetrics().height());
        pBar->addPermanentWidget(pPane);
        m_indicatorPanes[nId] = pPane;
    }

    LockKeyState state;
    if (ReadLockKeyState(state)) {
        auto* pIndicatorTimer = new QTimer(this);
        connect(pIndicatorTimer, &QTimer::timeout, this, &CMainFrame::UpdateIndicators);
        pIndicatorTimer->start(INDICATOR_POLL_MS);
        UpdateIndicators();
    }
}

void CMainFrame::UpdateIndicators() {
    LockKeyState state;
    if (!ReadLockKeyState(state)) {
        return;
    }
    for (const auto& [nId, pPane] : m_indicatorPanes) {
        const QString strText = IndicatorPaneText(nId, state);
        if (pPane->text() != strText) {
            pPane->setText(strText);
        }
    }
}

QString CMainFrame::IndicatorText(int nPaneId) const {
    const auto it = m_indicatorPanes.find(nPaneId);
    return it == m_indicatorPanes.end() ? QString() : it->second->text();
}

void CMainFrame::SetMessageText(const QString& strText) {
    m_pMessagePane->setText(strText);
}

QString CMainFrame::MessageText() const {
    return m_pMessagePane->text();
}

QAction* CMainFrame::CommandAction(int nId) const {
    const auto it = m_actions.find(nId);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::UpdateCommandStates() {
    m_actions.at(ID_AUTOPLAY)->setEnabled(m_doc.IsAutoplayEnabled());
    m_actions.at(ID_OPTIONS)->setEnabled(m_doc.IsSettingsEnabled());
    m_actions.at(ID_VIEW_STATUS_BAR)->setChecked(statusBar()->isVisibleTo(this));
}

void CMainFrame::UpdateDocumentView(int nHint) {
    m_pView->OnUpdate(nHint);
    UpdateCommandStates();
}

void CMainFrame::AnnounceInView(const std::string& strText) {
    m_pView->Announce(strText);
}

void CMainFrame::PaintViewNow() {
    m_pView->repaint();
}

void CMainFrame::StartThinkTimer(int nMilliseconds) {
    m_pView->StartThinkTimer(nMilliseconds);
}

void CMainFrame::AnnounceNow() {
    m_pView->AnnounceNow();
}

void CMainFrame::OnCommand(int nId) {
    switch (nId) {
        case ID_AUTOPLAY:
            if (m_doc.IsAutoplayEnabled()) {
                m_doc.OnAutoplay();
            }
            break;
        case ID_OPTIONS:
            if (m_doc.IsSettingsEnabled()) {
                m_doc.OnSettings();
            }
            break;
        case ID_APP_EXIT:
            close();
            break;
        case ID_VIEW_STATUS_BAR:
            OnViewStatusBar();
            break;
        case ID_APP_ABOUT:
            m_commands.OnAppAbout();
            break;
        case ID_FILE_NEW:
            m_commands.OnFileNew();
            break;
        case ID_FILE_OPEN:
            m_commands.OnFileOpen();
            break;
        case ID_FILE_SAVE:
            m_commands.OnFileSave();
            break;
        default:
            // The edit and pane commands have no handler anywhere.
            break;
    }
    UpdateCommandStates();
    // Autoplay sets the human's state after its last repaint.
    m_pView->UpdateAccessible();
}

void CMainFrame::OnViewStatusBar() {
    statusBar()->setVisible(!statusBar()->isVisibleTo(this));
}

void CMainFrame::closeEvent(QCloseEvent* pEvent) {
    m_services.RequestQuit();
    if (m_doc.IsBusy()) {
        // A search or a message box of the document is running further up this call stack
        // (inside a nested message dispatch): destroying the window and the document now
        // would pull them from under it. The window stays; the quit flag makes the game
        // unwind without further boxes, and the exit ends every event loop, the main one
        // once control has come back to it, with status 0.
        pEvent->ignore();
        QCoreApplication::exit(0);
        return;
    }
    QMainWindow::closeEvent(pEvent);
}

bool CMainFrame::event(QEvent* pEvent) {
    // The message pane follows the menus itself (hovered and aboutToHide); the toolkit's
    // status tips would write over it.
    if (pEvent->type() == QEvent::StatusTip) {
        return true;
    }
    return QMainWindow::event(pEvent);
}

bool CMainFrame::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched != m_pView) {
        return QMainWindow::eventFilter(pWatched, pEvent);
    }
    bool bOpen = false;
    switch (pEvent->type()) {
        case QEvent::ShortcutOverride: {
            // A key that a shortcut or a mnemonic takes arrives only as this: after it, the
            // release of Alt opens nothing. Alt itself is taken here, so that the menu bar's
            // own Alt handling, which some platforms' key events trigger and others do not,
            // never acts beside this one.
            auto* pKey = static_cast<QKeyEvent*>(pEvent);
            if (pKey->key() == Qt::Key_Alt) {
                pKey->accept();
                return true;
            }
            m_menuKeys.Reset();
            break;
        }
        case QEvent::KeyPress: {
            const auto* pKey = static_cast<QKeyEvent*>(pEvent);
            bOpen = m_menuKeys.OnKeyPress(pKey->key(), pKey->modifiers());
            break;
        }
        case QEvent::KeyRelease:
            bOpen = m_menuKeys.OnKeyRelease(static_cast<QKeyEvent*>(pEvent)->key());
            break;
        case QEvent::FocusOut:
            m_menuKeys.Reset();
            break;
        default:
            break;
    }
    if (bOpen && !menuBar()->actions().isEmpty()) {
        menuBar()->setActiveAction(menuBar()->actions().constFirst());
        return true;
    }
    return QMainWindow::eventFilter(pWatched, pEvent);
}
