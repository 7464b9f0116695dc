// The pages under a comma-decimal locale, which Qt hands to the C library:
// reals must still show with a full stop and read back. ctest sets LOCPATH and
// LC_ALL to a German locale it makes first (make_comma_locale.cmake).
#include "editor_dialog.h"
#include "recording_prompts.h"

#include "tools/npf_builder.h"

#include <QtTest>
#include <QtWidgets>

#include <clocale>
#include <cstring>

using npf::FloatBits;

namespace {

// A real field: the value the file holds, how its edit must show it, what the
// user types over it and the value a save must store (none: left as shown).
struct Real {
    const char* edit;
    FloatBits npf::CharacterRecord::*field;
    float stored;
    const char* shown;
    const char* typed;
    float saved;
};

} // namespace

class LocaleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Without the comma the rows below would pass on any formatting, so
        // a missing locale fails here rather than passing unnoticed.
        const char* point = std::localeconv()->decimal_point;
        if (std::strcmp(point, ",") != 0)
            QFAIL(
                qPrintable(QString("the decimal point is \"%1\": LC_ALL=%2 under LOCPATH=%3 is not in force")
                               .arg(point, qgetenv("LC_ALL"), qgetenv("LOCPATH"))));
    }

    void realsShowAndReadWithAFullStop()
    {
        const Real reals[] = {{"healthEdit", &npf::CharacterRecord::health, 2.5F, "2.5", "2.6", 2.6F},
            {"manaEdit", &npf::CharacterRecord::mana, 0.1F, "0.1", "0.25", 0.25F},
            {"generationEdit", &npf::CharacterRecord::generation, 9.75F, "9.75", "1.5e1", 15.0F},
            {"bloodEdit", &npf::CharacterRecord::blood, 1234.5678F, "1234.57", nullptr, 1234.5678F},
            {"soakElecEdit", &npf::CharacterRecord::soakElec, 1e-5F, "1e-05", "-3.75", -3.75F},
            {"strengthEdit", &npf::CharacterRecord::strength, 2.5e6F, "2.5e+06", nullptr, 2.5e6F}};
        npf::CharacterRecord character = npftools::sampleCharacter();
        for (const Real& real : reals)
            character.*real.field = FloatBits::fromValue(real.stored);
        QTemporaryDir directory;
        const QString path = directory.filePath("hero.npf");
        QVERIFY(npftools::writeFileBytes(path.toStdString(), npftools::buildNpfBytes(character, 1024)));

        EditorDialog dialog;
        auto* prompts = new RecordingPrompts; // owned by the dialog
        dialog.setUserPrompts(std::unique_ptr<UserPrompts>(prompts));
        dialog.loadCharacter(path);
        for (const Real& real : reals) {
            auto* edit = dialog.findChild<QLineEdit*>(real.edit);
            QCOMPARE(edit->text(), real.shown);
            if (real.typed) {
                edit->clear();
                QTest::keyClicks(edit, real.typed);
            }
        }
        QVERIFY(QMetaObject::invokeMethod(&dialog, "onFileSave")); // File > Save

        QCOMPARE(prompts->log, QStringList("information | Veyrith | File saved successfully."));
        const npf::CharacterRecord saved = dialog.record();
        for (const Real& real : reals)
            QCOMPARE((saved.*real.field).bits, FloatBits::fromValue(real.saved).bits);
    }
};

QTEST_MAIN(LocaleTest)
#include "test_locale.moc"
