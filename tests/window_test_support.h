#pragma once

#include "editor_dialog.h"
#include "main_page.h"
#include "page_tab_ctrl.h"
#include "stats_page.h"
#include "user_prompts.h"

#include <QDialog>
#include <QLineEdit>
#include <QList>
#include <QStringList>
#include <QTest>
#include <QUrl>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

// Stands in for every modal prompt: it remembers what the editor said and
// answers the Open dialog from a script, so no test waits on a modal loop.
class RecordingPrompts : public UserPrompts {
public:
    struct Message {
        Icon icon;
        QString caption;
        QString text;
    };

    void showMessage(Icon icon, const QString& caption, const QString& text) override
    {
        messages.push_back({icon, caption, text});
    }

    QString chooseFileToOpen() override
    {
        ++openDialogs;
        if (fileAnswers.empty())
            return {};
        const QString answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }

    void openUrl(const QUrl& url) override { openedUrls.push_back(url); }

    void runDialog(QDialog& dialog) override
    {
        dialogTitles.push_back(dialog.windowTitle());
        if (whileDialogRuns)
            whileDialogRuns(dialog);
    }

    std::vector<Message> messages;
    std::deque<QString> fileAnswers;
    int openDialogs = 0;
    QList<QUrl> openedUrls;
    QStringList dialogTitles;
    std::function<void(QDialog&)> whileDialogRuns;
};

// Types text as a keyboard would, one character (a surrogate pair counts as
// one) per key press; QTest::keyClicks only knows ASCII.
inline void typeText(QWidget* widget, const QString& text)
{
    for (qsizetype at = 0; at < text.size(); ++at) {
        const qsizetype length = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(at, length), Qt::NoModifier);
        at += length - 1;
    }
}

inline QString iconName(UserPrompts::Icon icon)
{
    switch (icon) {
    case UserPrompts::Icon::Stop:
        return QStringLiteral("stop");
    case UserPrompts::Icon::Information:
        return QStringLiteral("information");
    case UserPrompts::Icon::Exclamation:
        return QStringLiteral("exclamation");
    }
    return {};
}

// The editor window as a user meets it, with the recorder in place of the prompts.
class EditorUnderTest {
public:
    EditorUnderTest()
    {
        auto recorder = std::make_unique<RecordingPrompts>();
        prompts = recorder.get();
        dialog.setUserPrompts(std::move(recorder));
    }

    MainPage* mainPage() const { return dialog.pageTabs()->mainPage(); }
    StatsPage* statsPage() const { return dialog.pageTabs()->statsPage(); }

    QLineEdit* edit(const QString& name) const
    {
        auto* found = dialog.findChild<QLineEdit*>(name);
        if (!found)
            qFatal("no edit named %s", qPrintable(name));
        return found;
    }

    QString messageLog() const
    {
        QStringList lines;
        for (const auto& message : prompts->messages)
            lines << iconName(message.icon) + QStringLiteral(" | ") + message.caption + QStringLiteral(" | ")
                    + message.text;
        return lines.join(QLatin1Char('\n'));
    }

    EditorDialog dialog;
    RecordingPrompts* prompts = nullptr;
};

// Edits of the Stats page in the order a save checks them.
inline const QStringList statsEditNames {
    QStringLiteral("generationEdit"),
    QStringLiteral("healthEdit"),
    QStringLiteral("manaEdit"),
    QStringLiteral("bloodEdit"),
    QStringLiteral("bloodRatingEdit"),
    QStringLiteral("faithEdit"),
    QStringLiteral("humanityEdit"),
    QStringLiteral("totalXpEdit"),
    QStringLiteral("strengthEdit"),
    QStringLiteral("dexterityEdit"),
    QStringLiteral("staminaEdit"),
    QStringLiteral("perceptionEdit"),
    QStringLiteral("intelligenceEdit"),
    QStringLiteral("witsEdit"),
    QStringLiteral("charismaEdit"),
    QStringLiteral("manipulationEdit"),
    QStringLiteral("appearanceEdit"),
    QStringLiteral("soakFireEdit"),
    QStringLiteral("soakSunEdit"),
    QStringLiteral("soakFaithEdit"),
    QStringLiteral("soakColdEdit"),
    QStringLiteral("soakElecEdit"),
};
