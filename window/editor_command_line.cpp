#include "editor_command_line.h"

#include "veyrith_version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The command line's texts, in their own translation context.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(EditorCommandLine)
};

EditorCommandLine refusal(const QString& reason, const QCommandLineParser& parser)
{
    // The first line of the help is its usage.
    return {EditorCommandLine::Action::Refuse, {},
        reason + QLatin1Char('\n') + parser.helpText().section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n')
            + Texts::tr("Try --help for more.") + QLatin1Char('\n')};
}

} // namespace

EditorCommandLine readEditorCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // "-platform" is one unknown option, not eight unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        Texts::tr("Edits the character files (.npf) of a vampire role-playing game."));
    // Qt's own help option would add --help-all, which lists options the editor refuses.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")}, Texts::tr("Shows this help."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")}, Texts::tr("Shows the version."));
    parser.addOption(help);
    parser.addOption(version);
    const QString file = Texts::tr("FILE", "the name of the one argument in the usage");
    parser.addPositionalArgument(
        file, Texts::tr("The character file to open."), QLatin1Char('[') + file + QLatin1Char(']'));

    if (!parser.parse(arguments))
        return refusal(parser.errorText(), parser);
    if (parser.isSet(help))
        return {EditorCommandLine::Action::Print, {}, parser.helpText()};
    if (parser.isSet(version))
        return {EditorCommandLine::Action::Print, {}, QStringLiteral("veyrith " VEYRITH_VERSION "\n")};

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return refusal(Texts::tr("Only one file can be opened at a time."), parser);
    if (files.isEmpty())
        return {};
    if (files.front().isEmpty())
        return refusal(Texts::tr("The file name is empty."), parser);
    // The Open dialog gives a whole path, which the caption then shows.
    return {EditorCommandLine::Action::Edit, QFileInfo(files.front()).absoluteFilePath(), {}};
}
