#pragma once

#include "npf/npf_document.h"

#include <QDialog>
#include <QString>
#include <QUrl>

#include <filesystem>
#include <memory>

class PageTabCtrl;
class QAction;
class QMenuBar;
class UserPrompts;

// The editor's one window: the menu, the two pages and the character file
// they show. Every message to the user goes through its UserPrompts.
class EditorDialog : public QDialog {
    Q_OBJECT

public:
    explicit EditorDialog(QWidget* parent = nullptr);
    ~EditorDialog() override;

    // Replaces the message boxes, the Open dialog and the desktop's URL handler.
    void setUserPrompts(std::unique_ptr<UserPrompts> prompts);

    // Opens a character file, as File > Open does with the file the user chose.
    void loadCharacter(const QString& filePath);

    // The character as last loaded or saved.
    const npf::CharacterRecord& record() const { return document.record; }

    // Where the user guide lies, relative to the executable, in the build tree
    // and once installed: beside it on Windows, under share/ elsewhere.
    static QUrl guideUrl();

protected:
    // The system menu's about entry, where the platform gives the window one.
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void onFileOpen();
    void onFileSave();
    void onAppExit();
    void onHelpCommand();
    void onAppAbout();

private:
    void createMenus();
    void buildCaption();
    // The base caption, followed by the path of the file being edited, if any,
    // with the platform's separators.
    void showCaption(const QString& filePath);
    void enableEditing(bool enabled);
    void restoreLoadedFile();
    // A failure's box: the shared text and caption, and under them the reason, if any.
    void tellFailure(const char* caption, const char* text, npf::FileFault fault, bool saving);

    // The character file being edited; its path is always the file Save writes to.
    npf::NpfDocument document;
    PageTabCtrl* tabs;
    QMenuBar* menus;
    QAction* saveItem = nullptr;
    std::unique_ptr<UserPrompts> prompts;
    QString captionText;
    // The last file that loaded whole, so that a rejected file never becomes
    // the one Save writes to. Empty until a load succeeds.
    std::filesystem::path loadedPath;
};
