#include "qt_framework_services.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include "document_window.h"
#include "resource_ids.h"
#include "resource_text.h"
#include "settings_window.h"

QMessageBox::Icon MessageBoxIcon(int nType) {
    switch (nType & MB_ICONMASK) {
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        default:
            break;
    }
    return (nType & MB_TYPEMASK) == MB_YESNO ? QMessageBox::Question : QMessageBox::Warning;
}

QMessageBox::StandardButtons MessageBoxButtons(int nType) {
    return (nType & MB_TYPEMASK) == MB_YESNO ? QMessageBox::Yes | QMessageBox::No
                                             : QMessageBox::StandardButtons(QMessageBox::Ok);
}

int MessageBoxAnswer(int nType, QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        case QMessageBox::Ok:
            return IDOK;
        case QMessageBox::Cancel:
            return IDCANCEL;
        default:
            break;
    }
    return (nType & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
}

namespace {

// Keeps a Yes/No box open until one of its two buttons is chosen: Escape and the window's
// close button do nothing, as neither is an answer to the question. (The toolkit would
// otherwise take them for No, and No to the capture refusal gives the capture up for good.)
class CAnswerRequiredFilter final : public QObject {
protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(pEvent)->matches(QKeySequence::Cancel)) {
            return true;
        }
        if (pEvent->type() == QEvent::Close) {
            pEvent->ignore();
            return true;
        }
        return QObject::eventFilter(pWatched, pEvent);
    }
};

}  // namespace

CQtFrameworkServices::CQtFrameworkServices() : m_searchPump([this] { return m_bQuitting; }) {}

CQtFrameworkServices::~CQtFrameworkServices() {
    while (m_nWaitCursorDepth > 0) {
        EndWaitCursor();
    }
}

void CQtFrameworkServices::SetFrame(CDocumentWindow* pFrame) {
    m_pFrame = pFrame;
}

int CQtFrameworkServices::MessageBox(const std::string& strText, int nType) {
    if (m_bQuitting) {
        return MessageBoxAnswer(nType, QMessageBox::NoButton);
    }
    QWidget* pOwner = m_pFrame != nullptr ? m_pFrame->OwnerWidget() : nullptr;
    if (pOwner != nullptr && !pOwner->isVisible()) {
        pOwner = nullptr;
    }
    if (m_pFrame != nullptr) {
        m_pFrame->AnnounceNow();
    }
    QMessageBox box(MessageBoxIcon(nType), LoadResourceText(AFX_IDS_APP_TITLE),
                    QString::fromStdString(strText), MessageBoxButtons(nType), pOwner);
    box.setTextFormat(Qt::PlainText);
    CAnswerRequiredFilter answerRequired;
    if ((nType & MB_TYPEMASK) == MB_YESNO) {
        box.installEventFilter(&answerRequired);
    }
    box.exec();
    return MessageBoxAnswer(nType, box.standardButton(box.clickedButton()));
}

void CQtFrameworkServices::UpdateAllViews(int nHint) {
    if (m_pFrame == nullptr) {
        return;
    }
    m_pFrame->UpdateDocumentView(nHint);
}

void CQtFrameworkServices::Announce(const std::string& strText) {
    if (m_pFrame != nullptr) {
        m_pFrame->AnnounceInView(strText);
    }
}

bool CQtFrameworkServices::HasFirstView() const {
    return m_pFrame != nullptr;
}

void CQtFrameworkServices::PaintFirstViewNow() {
    if (m_pFrame != nullptr) {
        m_pFrame->PaintViewNow();
    }
}

void CQtFrameworkServices::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++m_nWaitCursorDepth;
}

void CQtFrameworkServices::EndWaitCursor() {
    if (m_nWaitCursorDepth > 0) {
        QApplication::restoreOverrideCursor();
        --m_nWaitCursorDepth;
    }
}

void CQtFrameworkServices::StartThinkTimer(int nMilliseconds) {
    if (m_pFrame != nullptr) {
        m_pFrame->StartThinkTimer(nMilliseconds);
    }
}

int CQtFrameworkServices::DoModalSettings(CSettingsDialog& dlg) {
    return RunSettingsDialog(dlg, m_pFrame != nullptr ? m_pFrame->OwnerWidget() : nullptr);
}

CMessagePump& CQtFrameworkServices::MessagePump() {
    return m_searchPump.Pump();
}

bool CQtFrameworkServices::IsModalWindowOpen() const {
    return QApplication::activeModalWidget() != nullptr;
}
