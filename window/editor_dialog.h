#pragma once

#include "npf/npf_document.h"

#include <QDialog>
#include <QString>
#include <QUrl>

#include <memory>
#include <string>

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

    PageTabCtrl* pageTabs() const { return tabs; }
    QAction* saveAction() const { return saveItem; }
    QMenuBar* menuBar() const { return menus; }

    // Where the user guide lies beside the executable, in the build tree and once installed.
    static QUrl guideUrl();

    // The character file being edited; its path is always the file Save writes to.
    npf::NpfDocument document;

public slots:
    void onFileOpen();
    void onFileSave();
    void onAppExit();
    void onHelpCommand();
    void onAppAbout();

    void loadCharacter(const QString& filePath);
    void buildCaption();
    void enableEditing(bool enabled);
    void showActorFlags(quint32 flags);
    quint32 collectActorFlags() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenus();
    void restoreLoadedFile();
    // The base caption, followed by the path of the file Save writes to, if any.
    void showCaptionFor(const std::filesystem::path& path);
    void selectRace(int raceChoice);
    void selectModel(int modelChoice, const std::string& modelId);

    PageTabCtrl* tabs;
    QMenuBar* menus;
    QAction* saveItem = nullptr;
    std::unique_ptr<UserPrompts> prompts;
    QString captionText;
    // The last file that loaded whole, so that a rejected file never becomes
    // the one Save writes to. Empty until a load succeeds.
    std::filesystem::path loadedPath;
};
