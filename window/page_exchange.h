#pragma once

#include "editing/page_values.h"
#include "npf/npf_layout.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class QLineEdit;
class QWidget;
class UserPrompts;

// Moves a page's values between editing::PageValues and its edits, in the order
// the fields were added. Each edit shows a value from its first character.
// Reading stops at the first field that does not convert, tells the user why,
// brings its page to the front and leaves the focus on it with its whole text
// selected; a whole number it brought into the file's range it notes.
class PageExchange {
public:
    void addText(QLineEdit* edit, std::string editing::PageValues::*value);
    void addInteger(QLineEdit* edit, std::int32_t editing::PageValues::*value);
    void addReal(QLineEdit* edit, npf::FloatBits editing::PageValues::*value);

    // The edits in exchange order.
    QList<QWidget*> controls() const;

    void show(const editing::PageValues& values);
    // Adds a note for each whole number stored as the nearest end of the file's range.
    bool read(editing::PageValues& values, UserPrompts& prompts, QStringList& notes);

private:
    // Longest text a Name or Clan can hold in the file.
    static constexpr int textLimit = static_cast<int>(npf::textWidth);

    using Member = std::variant<std::string editing::PageValues::*, std::int32_t editing::PageValues::*,
        npf::FloatBits editing::PageValues::*>;

    struct Field {
        QLineEdit* edit;
        Member value;
        // What a real field showed and the exact value behind it, so that an
        // untouched text saves that value rather than its six-digit rounding.
        std::string shownText;
        npf::FloatBits shownValue;
    };

    struct Refusal {
        QString message;
        QString reason; // "" when the message says all
    };
    void add(QLineEdit* edit, Member value);
    std::optional<Refusal> readField(Field& field, editing::PageValues& values, QStringList& notes) const;

    std::vector<Field> fields;
};

// The application's title, the caption of every field check: the executable's name.
QString applicationTitle();
