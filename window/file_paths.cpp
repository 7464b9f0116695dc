#include "file_paths.h"

#include <QFile>

#ifdef Q_OS_WIN
std::filesystem::path filePathOf(const QString& text)
{
    return std::filesystem::path(text.toStdWString());
}
QString textOfFilePath(const std::filesystem::path& path)
{
    return QString::fromStdWString(path.wstring());
}
#else
std::filesystem::path filePathOf(const QString& text)
{
    return QFile::encodeName(text).toStdString();
}
QString textOfFilePath(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}
#endif
