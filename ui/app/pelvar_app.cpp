#include "pelvar_app.h"

#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>

#include "document_file.h"
#include "info_dialog.h"
#include "main_frame.h"
#include "pelvar_doc.h"
#include "pelvar_view.h"
#include "resource_ids.h"
#include "resource_text.h"
#include "settings_file.h"
#include "user_texts.h"

namespace {

// The update hint of the framework's own updates, which erase the background.
constexpr int HINT_INITIAL_UPDATE = 0;

// The file dialogs offer every file and append no extension.
QString AllFilesFilter() {
    return UserText(TEXT_ALL_FILES);
}

CSettingsFile ProfileSettings() {
    return CSettingsFile(QString::fromUtf8(SETTINGS_ORGANIZATION),
                         QString::fromUtf8(SETTINGS_APPLICATION));
}

}  // namespace

QString FrameTitle(const QString& strDocumentTitle) {
    return strDocumentTitle + QStringLiteral(" - ") + LoadResourceText(AFX_IDS_APP_TITLE);
}

CPelvarApp::CPelvarApp() : m_recentFiles(RECENT_FILE_COUNT) {}

CPelvarApp::~CPelvarApp() {
    m_services.SetFrame(nullptr);
    m_pFrame.reset();
    m_pDoc.reset();
    QCoreApplication::removeTranslator(&m_translator);
}

bool CPelvarApp::InitInstance(const QByteArray& fileName) {
    // 1. The name, the launcher entry that docks and task bars match the windows to, and
    // the toolkit's own buttons and dialogs in German.
    QApplication::setApplicationName(LoadResourceText(AFX_IDS_APP_TITLE));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(DESKTOP_FILE_ID));
    LoadTranslations();

    // 2. The recent-file list of the user's settings; a broken settings file gives an empty
    // list and is left alone.
    m_recentFiles.ReadList(ProfileSettings());

    // 3. The one document, and the main window with its view.
    m_pDoc = std::make_unique<CPelvarDoc>(m_services);
    m_pFrame = std::make_unique<CMainFrame>(*m_pDoc, m_services, *this);
    m_services.SetFrame(m_pFrame.get());

    // 4. A new document, or the file of the command line.
    if (fileName.isEmpty()) {
        OnFileNew();
    } else {
        SetPathName(QByteArray());
        if (!OpenDocumentFile(fileName)) {
            return false;
        }
    }

    // 5. Show the window.
    m_pFrame->show();
    return true;
}

int CPelvarApp::Run() {
    return QApplication::exec();
}

void CPelvarApp::LoadTranslations() {
    // Without the translations the toolkit's texts stay English; the program runs anyway.
    if (m_translator.load(QStringLiteral("qtbase_de"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_translator);
    }
}

QString CPelvarApp::DocumentTitle() const {
    return m_pathName.isEmpty() ? UserText(TEXT_UNTITLED) : DisplayFileName(m_pathName);
}

void CPelvarApp::SetPathName(const QByteArray& nativePath) {
    m_pathName = nativePath;
    if (m_pFrame) {
        m_pFrame->setWindowTitle(FrameTitle(DocumentTitle()));
    }
    if (!nativePath.isEmpty()) {
        m_recentFiles.Add(nativePath, ProfileSettings());
    }
}

void CPelvarApp::ShowFileError(const QString& strMessage) {
    m_services.MessageBox(strMessage.toStdString(), MB_OK | MB_ICONEXCLAMATION);
}

void CPelvarApp::OnAppAbout() {
    CInfoDialog dlg(m_pFrame.get());
    dlg.DoModal();
}

void CPelvarApp::OnFileNew() {
    SetPathName(QByteArray());
    m_pFrame->View()->OnUpdate(HINT_INITIAL_UPDATE);
}

void CPelvarApp::OnFileOpen() {
    const QString strName = QFileDialog::getOpenFileName(
        m_pFrame.get(), CommandNameText(ID_FILE_OPEN), QString(), AllFilesFilter());
    if (!strName.isEmpty()) {
        OpenDocumentFile(QFile::encodeName(strName));
    }
}

void CPelvarApp::OnFileSave() {
    QByteArray target = m_pathName;
    if (SaveNeedsNewName(target)) {
        const QString strProposal =
            m_pathName.isEmpty() ? UserText(TEXT_UNTITLED) : DisplayPath(m_pathName);
        const QString strName = QFileDialog::getSaveFileName(
            m_pFrame.get(), CommandNameText(ID_FILE_SAVE_AS), strProposal, AllFilesFilter());
        if (strName.isEmpty()) {
            return;
        }
        target = QFile::encodeName(strName);
    }
    SaveDocumentFile(target);
}

bool CPelvarApp::OpenDocumentFile(const QByteArray& nativePath) {
    const QByteArray absolutePath = AbsoluteNativePath(nativePath);
    const FileError eError = OpenDocumentFileForReading(absolutePath);
    if (eError != FileError::None) {
        ShowFileError(OpenErrorMessage(MessagePath(nativePath), eError));
        return false;
    }
    SetPathName(absolutePath);
    m_pFrame->View()->OnUpdate(HINT_INITIAL_UPDATE);
    return true;
}

bool CPelvarApp::SaveDocumentFile(const QByteArray& nativePath) {
    const QByteArray absolutePath = AbsoluteNativePath(nativePath);
    const FileError eError = WriteEmptyDocumentFile(absolutePath);
    if (eError != FileError::None) {
        ShowFileError(SaveErrorMessage(MessagePath(nativePath), eError));
        return false;
    }
    SetPathName(absolutePath);
    return true;
}
