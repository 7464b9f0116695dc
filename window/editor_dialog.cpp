#include "editor_dialog.h"

#include "about_dialog.h"
#include "desktop_prompts.h"
#include "editor_language.h"
#include "file_paths.h"
#include "main_page.h"
#include "page_tab_ctrl.h"
#include "shared_texts.h"
#include "stats_page.h"
#include "system_menu.h"

#include "editing/messages.h"
#include "editing/page_values.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QVBoxLayout>

// Resources compiled into a static library must be registered by hand, and the
// registration function lives outside every namespace.
static void registerResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(veyrith);
        return true;
    }();
    (void)registered;
}

namespace {

namespace messages = editing::messages;

// The one local character file a drop carries, or an empty text.
QString droppedCharacterFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    return QFileInfo(path).suffix().compare(QStringLiteral("npf"), Qt::CaseInsensitive) == 0 ? path
                                                                                             : QString();
}

} // namespace

EditorDialog::EditorDialog(QWidget* parent)
    : QDialog(parent)
    , tabs(new PageTabCtrl)
    , menus(new QMenuBar)
    , prompts(std::make_unique<DesktopPrompts>(this))
{
    registerResources();
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint);
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/veyrith/icon-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    setAcceptDrops(true);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(tabs);
    // The window keeps the size its pages need and cannot be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    createMenus();
    system_menu::addAboutEntry(*this, tr("&About Veyrith..."));

    showCaption({});
    enableEditing(false);
}

EditorDialog::~EditorDialog() = default;

void EditorDialog::setUserPrompts(std::unique_ptr<UserPrompts> replacement)
{
    prompts = std::move(replacement);
}

void EditorDialog::createMenus()
{
    QMenu* file = menus->addMenu(tr("&File"));
    QAction* openItem = file->addAction(tr("&Open"), this, &EditorDialog::onFileOpen);
    openItem->setShortcut(QKeySequence::Open);
    saveItem = file->addAction(tr("&Save"), this, &EditorDialog::onFileSave);
    saveItem->setShortcut(QKeySequence::Save);
    saveItem->setEnabled(false);
    file->addSeparator();
    file->addAction(tr("&Exit"), this, &EditorDialog::onAppExit);

    QMenu* help = menus->addMenu(tr("&Help"));
    QAction* helpItem = help->addAction(tr("&Help"), this, &EditorDialog::onHelpCommand);
    helpItem->setShortcut(QKeySequence::HelpContents);
    help->addSeparator();
    help->addAction(tr("&About"), this, &EditorDialog::onAppAbout);
}

QUrl EditorDialog::guideUrl()
{
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/" VEYRITH_GUIDE_FROM_BIN);
    return QUrl::fromLocalFile(
        editor_language::fileInLanguage(QDir::cleanPath(path), editor_language::inUse()));
}

void EditorDialog::buildCaption()
{
    // The program's name, the same in every language.
    captionText = QStringLiteral("Veyrith 2 by the Veyrith team");
}

void EditorDialog::showCaption(const QString& filePath)
{
    buildCaption();
    if (!filePath.isEmpty())
        captionText = tr("%1 - %2", "the base caption, then the path of the file being edited")
                          .arg(captionText, QDir::toNativeSeparators(filePath));
    setWindowTitle(captionText);
}

void EditorDialog::enableEditing(bool enabled)
{
    for (QWidget* control : tabs->mainPage()->editingControls())
        control->setEnabled(enabled);
    for (QWidget* control : tabs->statsPage()->editingControls())
        control->setEnabled(enabled);
}

void EditorDialog::onFileOpen()
{
    const QString path = prompts->chooseFileToOpen();
    if (!path.isEmpty())
        loadCharacter(path);
}

void EditorDialog::restoreLoadedFile()
{
    document.setPath(loadedPath);
    showCaption(loadedPath.empty() ? QString() : textOfFilePath(loadedPath));
}

void EditorDialog::tellFailure(const char* caption, const char* text, npf::FileFault fault, bool saving)
{
    const char* reason = messages::reasonFor(fault, saving);
    prompts->showMessage(UserPrompts::Icon::Stop, translatedText(caption), translatedText(text),
        reason ? translatedText(reason) : QString());
}

void EditorDialog::loadCharacter(const QString& filePath)
{
    document.setPath(filePathOf(filePath));
    if (const npf::FileResult header = document.checkHeader(); !header) {
        tellFailure(messages::invalidFileCaption, messages::invalidFile, header.fault, false);
        restoreLoadedFile();
        return;
    }

    showCaption(filePath);

    if (const npf::FileResult read = document.readFile(); !read) {
        tellFailure(messages::readFailedCaption, messages::readFailed, read.fault, false);
        restoreLoadedFile();
        return;
    }
    loadedPath = document.path();

    const editing::PageValues values = editing::pageValuesOf(document.record);
    tabs->mainPage()->showValues(values);
    tabs->statsPage()->showValues(values);
    enableEditing(true);
    saveItem->setEnabled(true);
}

void EditorDialog::onFileSave()
{
    editing::PageValues values;
    QStringList clamped;
    if (!tabs->mainPage()->readValues(values, *prompts, clamped)
        || !tabs->statsPage()->readValues(values, *prompts, clamped))
        return;
    editing::storePageValues(values, document.record);

    if (const npf::FileResult saved = document.saveFile(); !saved)
        tellFailure(messages::appCaption, messages::saveFailed, saved.fault, true);
    else
        prompts->showMessage(UserPrompts::Icon::Information, translatedText(messages::appCaption),
            translatedText(messages::saved), clamped.join(QLatin1Char('\n')));
}

void EditorDialog::onAppExit()
{
    accept();
}

void EditorDialog::onHelpCommand()
{
    const QUrl guide = guideUrl();
    if (prompts->openUrl(guide))
        return;
    // No handler for the page (none installed, or none the system could reach).
    prompts->showMessage(UserPrompts::Icon::Stop, translatedText(messages::appCaption),
        tr("The user guide could not be opened."),
        tr("Open this file in a web browser:\n%1").arg(QDir::toNativeSeparators(guide.toLocalFile())));
}

void EditorDialog::onAppAbout()
{
    AboutDialog about(this);
    connect(&about, &AboutDialog::guideRequested, this, &EditorDialog::onHelpCommand);
    prompts->runDialog(about);
}

bool EditorDialog::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    if (!system_menu::isAboutCommand(eventType, message))
        return QDialog::nativeEvent(eventType, message, result);
    onAppAbout();
    *result = 0;
    return true;
}

void EditorDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F1:
        // Reaches here when the Help item's shortcut could not take it.
        onHelpCommand();
        event->accept();
        return;
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A stray key must never throw the pages' unsaved edits away.
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void EditorDialog::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedCharacterFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void EditorDialog::dropEvent(QDropEvent* event)
{
    const QString path = droppedCharacterFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    loadCharacter(path);
}
