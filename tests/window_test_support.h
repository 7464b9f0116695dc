#pragma once

#include "editor_dialog.h"
#include "page_tab_ctrl.h"
#include "user_prompts.h"

#include "tools/npf_builder.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

// Stands in for every modal prompt: notes, one a line, what the editor showed
// or opened through it, and answers the Open dialog with a scripted path, so
// no test waits on a modal loop. A dialog it is asked to run goes to the
// test's meetDialog, which acts on it as a user would.
class RecordingPrompts : public UserPrompts {
public:
    void showMessage(Icon icon, const QString& caption, const QString& text) override
    {
        static const char* const icons[] = {"stop", "information", "exclamation"};
        log << QStringLiteral("%1 | %2 | %3").arg(QLatin1String(icons[int(icon)]), caption, text);
    }
    QString chooseFileToOpen() override { return fileToOpen; }
    void openUrl(const QUrl& url) override { log << QStringLiteral("open ") + url.toString(); }
    void runDialog(QDialog& dialog) override
    {
        log << QStringLiteral("dialog ") + dialog.windowTitle();
        if (meetDialog)
            meetDialog(dialog);
    }

    QStringList log;
    QString fileToOpen;
    std::function<void(QDialog&)> meetDialog;
};

// The editor window with the recorder in place of its prompts, and a temporary
// directory for the synthetic character files it loads.
class Editor {
public:
    Editor() { dialog.setUserPrompts(std::unique_ptr<UserPrompts>(prompts)); }

    template <class Control = QLineEdit> Control* find(const QString& name) const
    {
        return dialog.findChild<Control*>(name);
    }
    PageTabCtrl* tabs() const { return dialog.findChild<PageTabCtrl*>(); }
    // A menu item, found by its text as the user finds it.
    QAction* item(const QString& text) const
    {
        const QList<QAction*> actions = dialog.findChildren<QAction*>();
        return *std::find_if(
            actions.begin(), actions.end(), [&](QAction* a) { return !a->menu() && a->text() == text; });
    }
    // Every control of both pages that edits a value, found by its kind.
    QWidgetList editingControls() const
    {
        QWidgetList controls;
        for (QWidget* w : tabs()->findChildren<QWidget*>())
            if (w->inherits("QLineEdit") || w->inherits("QComboBox") || w->inherits("QListWidget"))
                controls << w;
        return controls;
    }

    QString takeLog() { return std::exchange(prompts->log, {}).join(QLatin1Char('\n')); }

    static QByteArray bytesOf(const npf::CharacterRecord& record)
    {
        const std::vector<char> bytes = npftools::buildNpfBytes(record, 1024, 41);
        return QByteArray(bytes.data(), qsizetype(bytes.size()));
    }
    // Writes a file under the temporary directory, making its folders.
    QString write(const QByteArray& bytes, const QString& name)
    {
        QFile file(directory.filePath(name));
        if (!QDir().mkpath(QFileInfo(file).path()) || !file.open(QIODevice::WriteOnly)
            || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }
    QString load(const npf::CharacterRecord& record, const QString& name = QStringLiteral("character.npf"))
    {
        const QString path = write(bytesOf(record), name);
        dialog.loadCharacter(path);
        return path;
    }

    QTemporaryDir directory;
    RecordingPrompts* prompts = new RecordingPrompts; // owned by the dialog
    EditorDialog dialog;
};

// One thing the user does in the window.
using Step = std::function<void(Editor&)>;

inline Step typeInto(const QString& edit, const QString& text)
{
    return [=](Editor& e) { e.find(edit)->setText(text); };
}
inline Step choose(const QString& combo, int entry)
{
    return [=](Editor& e) { e.find<QComboBox>(combo)->setCurrentIndex(entry); };
}
inline Step clickFlag(int row)
{
    return [=](Editor& e) {
        QListWidget* list = e.find<QListWidget>(QStringLiteral("flagList"));
        list->scrollToItem(list->item(row));
        const QRect box = list->visualItemRect(list->item(row));
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, box.topLeft() + QPoint(box.height(), box.height()) / 2);
    };
}
inline Step clickTab(int index)
{
    return [=](Editor& e) {
        QTabBar* bar = e.tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    };
}

// The offset where a file first differs from the expected bytes, or -1.
inline qsizetype firstDifference(const QString& path, const QByteArray& expected)
{
    QFile file(path);
    const QByteArray actual = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const auto at = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    return actual == expected ? -1 : at.first - actual.begin();
}
