#include "shared_texts.h"

#include "editing/messages.h"

#include <QCoreApplication>

#include <string_view>

namespace {

namespace messages = editing::messages;

// lupdate finds only literals, so the shared texts are spelled here for it to
// extract; the compiler holds each one to the words editing/messages.h gives.
constexpr const char* marked[][2] = {
    {QT_TRANSLATE_NOOP("SharedTexts", "Veyrith"), messages::appCaption},
    {QT_TRANSLATE_NOOP("SharedTexts", "File is not a valid NPF file."), messages::invalidFile},
    {QT_TRANSLATE_NOOP("SharedTexts", "Invalid file"), messages::invalidFileCaption},
    {QT_TRANSLATE_NOOP("SharedTexts", "Could not read NPF file."), messages::readFailed},
    {QT_TRANSLATE_NOOP("SharedTexts", "Error"), messages::readFailedCaption},
    {QT_TRANSLATE_NOOP("SharedTexts", "File saved successfully."), messages::saved},
    {QT_TRANSLATE_NOOP("SharedTexts", "File could not be saved."), messages::saveFailed},
    {QT_TRANSLATE_NOOP("SharedTexts", "Please enter an integer."), messages::notAnInteger},
    {QT_TRANSLATE_NOOP("SharedTexts", "Please enter a number."), messages::notANumber},
};

constexpr bool markedAsShared()
{
    for (const auto& [mark, shared] : marked) {
        if (std::string_view(mark) != shared)
            return false;
    }
    return true;
}
static_assert(markedAsShared(), "a text marked for translation differs from its shared original");

} // namespace

QString translatedText(const char* sharedText)
{
    return QCoreApplication::translate("SharedTexts", sharedText);
}
