// The application's own commands as the main window reaches them from its menu and keys:
// the window runs them without knowing the application object, so that the application,
// which builds the window, is the only one of the two that knows the other.
#pragma once

class CAppCommands {
public:
    // "Inf&o über Pelvar...": the about box.
    virtual void OnAppAbout() = 0;
    // Ctrl+N: a new document; the game stays as it is.
    virtual void OnFileNew() = 0;
    // Ctrl+O: the open dialog, then the chosen file opened.
    virtual void OnFileOpen() = 0;
    // Ctrl+S: the document saved under its name, asking for one where it has none.
    virtual void OnFileSave() = 0;

protected:
    ~CAppCommands() = default;
};
